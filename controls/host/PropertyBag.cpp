// The two property stores that ship with the library.
#include "controls/host/PropertyBag.h"

#include "controls/host/MemoryPropertyBag.h"
#include "controls/host/SettingsPropertyBag.h"

#include <QSettings>

namespace Dravik {

namespace {

// Whether value equals the default it is written with. Values that came back
// from a settings file as text compare by their text form, so that "5" equals 5.
bool equalsDefault(const QVariant& value, const QVariant& defaultValue) {
    if (!defaultValue.isValid()) {
        return !value.isValid();
    }
    if (value == defaultValue) {
        return true;
    }
    if (value.metaType() != defaultValue.metaType() && value.canConvert(defaultValue.metaType())) {
        QVariant converted = value;
        return converted.convert(defaultValue.metaType()) && converted == defaultValue &&
               converted.toString() == value.toString();
    }
    return false;
}

} // namespace

PropertyBag::~PropertyBag() = default;

QVariant MemoryPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) {
    m_reads.append(name);
    const auto found = m_values.constFind(name);
    return found == m_values.constEnd() ? defaultValue : *found;
}

void MemoryPropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                      const QVariant& defaultValue) {
    m_writes.append(name);
    if (equalsDefault(value, defaultValue)) {
        m_values.remove(name);
    } else {
        m_values.insert(name, value);
    }
}

void MemoryPropertyBag::clearLog() {
    m_reads.clear();
    m_writes.clear();
}

SettingsPropertyBag::SettingsPropertyBag(QSettings& settings, QString group)
    : m_settings(settings), m_group(std::move(group)) {}

QString SettingsPropertyBag::key(const QString& name) const {
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

QVariant SettingsPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) {
    QVariant stored = m_settings.value(key(name));
    if (!stored.isValid()) {
        return defaultValue;
    }
    // Settings files give numbers and Booleans back as text: hand them back
    // in the type the reader expects.
    if (defaultValue.isValid() && stored.metaType() != defaultValue.metaType() &&
        stored.canConvert(defaultValue.metaType())) {
        QVariant converted = stored;
        if (converted.convert(defaultValue.metaType())) {
            return converted;
        }
    }
    return stored;
}

void SettingsPropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                        const QVariant& defaultValue) {
    if (equalsDefault(value, defaultValue)) {
        m_settings.remove(key(name));
    } else {
        m_settings.setValue(key(name), value);
    }
}

} // namespace Dravik
