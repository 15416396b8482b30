// The INI settings store: key paths are walked group by group, each group
// and value name found without regard to letter case, so that "Software\X"
// and "SOFTWARE\X" are one key as they are in the registry.
#include "routines/IniSettingsStore.h"

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
