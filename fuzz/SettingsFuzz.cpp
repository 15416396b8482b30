// Fuzz target of the settings store's reads: the input is the store's file;
// the values the program reads are read from it, with and without a buffer
// limit.
#include "routines/IniSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const dvRtns4::IniSettingsStore store(path);
    const struct {
        const char* key;
        const char* value;
    } reads[] = {
        {"Software\\DRAVIK\\LEXORA", "Application2Open"},
        {"Control Panel\\International", "sDecimal"},
        {"Control Panel\\International", "sShortDate"},
        {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir"},
        {"Software\\DRAVIK\\frmInitial", "L"},
    };
    for (const auto& r : reads) {
        for (const qsizetype buffer : {qsizetype(0), qsizetype(8), qsizetype(255)})
            (void)store.read(QString::fromLatin1(r.key), QString::fromLatin1(r.value), buffer);
    }
    return 0;
}
