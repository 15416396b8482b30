// A property store over QSettings: a host that saves a form's controls to a
// settings file gives each control its own group (usually the control's object
// name), so that several controls share one file.
#pragma once

#include "DravikExport.h"
#include "PropertyBag.h"

class QSettings;

namespace Dravik {

class DRAVIK_EXPORT SettingsPropertyBag final : public PropertyBag {
public:
    // settings is borrowed and must outlive the bag; group may be empty.
    SettingsPropertyBag(QSettings& settings, QString group);

    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) override;
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {}) override;

private:
    QString key(const QString& name) const;

    QSettings& m_settings;
    QString m_group;
};

} // namespace Dravik
