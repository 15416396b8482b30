// The part every control of the library shares with its host: the host it
// asks about design or run mode, the notice that a property changed (so that
// the host knows its saved settings are out of date), and the three steps of
// the property store: new control, reading saved settings, saving them. Each
// step raises its event first and then lets the control do its own part.
#pragma once

#include "ControlHost.h"
#include "DravikExport.h"
#include "PropertyBag.h"

#include <QWidget>

namespace Dravik {

class PropertyPage;

class DRAVIK_EXPORT UserControl : public QWidget {
    Q_OBJECT
public:
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    ControlHost& host() const { return *m_host; }
    // host is borrowed and must outlive the control; nullptr restores the
    // run-mode host.
    void setHost(ControlHost* host);

    // A control newly placed on a form: the control raises InitProperties
    // (where it publishes that event) and sets its initial values.
    void InitNew();
    // Reads saved settings: raises ReadProperties, then reads the control's keys.
    void LoadProperties(PropertyBag& bag);
    // Saves the settings: raises WriteProperties, then writes the control's keys.
    void SaveProperties(PropertyBag& bag);

    // Whether the control has been shown. Until then its form is still
    // setting it up, as a form reads its controls' saved settings, and
    // settings that the running host refuses are taken.
    bool isSited() const { return m_sited; }

    // New pages that edit this kind of control, in tab order, owned by parent.
    virtual QList<PropertyPage*> CreatePropertyPages(QWidget* parent) const;

signals:
    // A property's stored setting is out of date.
    void PropertyChanged(const QString& name);
    // The host's property-store events, raised first in their steps.
    void InitProperties();
    void ReadProperties(Dravik::PropertyBag* PropBag);
    void WriteProperties(Dravik::PropertyBag* PropBag);

protected:
    void markChanged(const char* name);
    void showEvent(QShowEvent* event) override;
    // The control's own part of each step, run after the step's event.
    virtual void initProperties() = 0;
    virtual void readProperties(PropertyBag& bag) = 0;
    virtual void writeProperties(PropertyBag& bag) = 0;

private:
    ControlHost* m_host;
    bool m_sited = false;
};

} // namespace Dravik
