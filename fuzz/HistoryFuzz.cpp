// Fuzz target of the history loader: the input is the file's content.
#include "app/history/HistoryFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = lexora::history::historyFilePath(folder.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const lexora::history::HistoryRead read = lexora::history::readHistory(path);
    if (read.ids.size() > lexora::history::kMaxHistoryEntries)
        __builtin_trap();
    // What is read is written back as it was read.
    if (!lexora::history::writeHistoryFile(path, read.ids))
        __builtin_trap();
    if (lexora::history::readHistory(path).ids != read.ids)
        __builtin_trap();
    return 0;
}
