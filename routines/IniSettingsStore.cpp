// The INI settings store: key paths are walked group by group, each group
// and value name found without regard to letter case, so that "Software\X"
// and "SOFTWARE\X" are one key as they are in the registry.
#include "routines/IniSettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace dvRtns4 {

namespace {

QStringList keyComponents(const QString& keyPath) {
    QString path = keyPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The stored spelling of `name` among `names`, or an empty text.
QString findIgnoringCase(const QStringList& names, const QString& name) {
    for (const QString& candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return {};
}

// Enters the groups of `components` that exist; returns how many were found.
qsizetype enterExistingGroups(QSettings& settings, const QStringList& components) {
    qsizetype entered = 0;
    for (const QString& component : components) {
        const QString stored = findIgnoringCase(settings.childGroups(), component);
        if (stored.isEmpty())
            break;
        settings.beginGroup(stored);
        ++entered;
    }
    return entered;
}

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - '0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - 'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - 'A' + 10;
    return -1;
}

// Whether a value of the file would be read as a serialized object: the
// toolkit's INI reader turns a value "@Variant(...)" or "@DateTime(...)" into
// an object from binary data, trusting the lengths in it, so that a damaged
// or hand-edited file can make it ask for gigabytes and end the program.
// This store only ever writes texts (the toolkit writes a text that begins
// with "@" as "@@..."), so such a file is damaged. The file is decoded the
// way the reader decodes values, loosely (every escape, quotes and line
// continuations), so that no spelling of the marker goes unseen.
bool holdsSerializedValues(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString raw = QString::fromUtf8(file.readAll());
    QString decoded;
    decoded.reserve(raw.size());
    const qsizetype n = raw.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = raw[i];
        if (c == u'"')
            continue;
        if (c != u'\\' || i + 1 == n) {
            decoded += c;
            continue;
        }
        const QChar e = raw[++i];
        if (e == u'x' || e == u'X') {
            char32_t code = 0;
            for (int digit; i + 1 < n && (digit = hexDigit(raw[i + 1])) >= 0 && code < 0x10000; ++i)
                code = code * 16 + static_cast<char32_t>(digit);
            decoded += QChar(static_cast<char16_t>(code));
        } else if (e >= u'0' && e <= u'7') {
            char32_t code = static_cast<char32_t>(e.unicode() - '0');
            while (i + 1 < n && raw[i + 1] >= u'0' && raw[i + 1] <= u'7' && code < 0x10000)
                code = code * 8 + static_cast<char32_t>(raw[++i].unicode() - '0');
            decoded += QChar(static_cast<char16_t>(code));
        } else if (e != u'\n' && e != u'\r') {
            decoded += e;
        }
    }
    return decoded.contains(QLatin1String("@Variant(")) ||
           decoded.contains(QLatin1String("@DateTime("));
}

QString valueText(const QVariant& value) {
    // An unquoted value with commas, written by hand, reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

IniSettingsStore::IniSettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

SettingsRead IniSettingsStore::read(const QString& keyPath, const QString& valueName,
                                    qsizetype bufferBytes) const {
    const QFileInfo file(m_filePath);
    if (!file.exists())
        return {SettingsReadStatus::KeyNotFound, {}};
    if (!file.isFile())
        return {SettingsReadStatus::KeyOpenFailed, {}};
    if (!file.isReadable())
        return {SettingsReadStatus::AccessDenied, {}};

    if (holdsSerializedValues(m_filePath))
        return {SettingsReadStatus::KeyOpenFailed, {}};
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return {SettingsReadStatus::AccessDenied, {}};

    const QStringList components = keyComponents(keyPath);
    if (enterExistingGroups(settings, components) != components.size())
        return {SettingsReadStatus::KeyNotFound, {}};

    const QString stored = findIgnoringCase(settings.childKeys(), valueName);
    if (stored.isEmpty())
        return {SettingsReadStatus::ValueNotFound, {}};
    const QString text = valueText(settings.value(stored));
    if (bufferBytes > 0 && text.toUtf8().size() > bufferBytes)
        return {SettingsReadStatus::MoreData, {}};
    return {SettingsReadStatus::Ok, text};
}

bool IniSettingsStore::write(const QString& keyPath, const QString& valueName,
                             const QString& value) {
    const QFileInfo file(m_filePath);
    if (file.exists() && (!file.isFile() || !file.isWritable() || !file.isReadable()))
        return false;

    if (file.exists() && holdsSerializedValues(m_filePath))
        return false;
    QSettings settings(m_filePath, QSettings::IniFormat);
    // A file that could not be parsed is left alone rather than rewritten
    // from the part that could.
    if (settings.status() != QSettings::NoError)
        return false;

    const QStringList components = keyComponents(keyPath);
    const qsizetype existing = enterExistingGroups(settings, components);
    for (qsizetype i = existing; i < components.size(); ++i)
        settings.beginGroup(components.at(i));

    QString name = findIgnoringCase(settings.childKeys(), valueName);
    if (name.isEmpty())
        name = valueName;
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace dvRtns4
