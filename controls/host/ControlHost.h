// What a control asks of the form that holds it: whether the form is being
// designed or run, the form's font for controls that take no font of their
// own, and the warning sound for a refused key. Controls use the run-mode host
// unless their host sets another (the designer plugin sets a design-mode one).
#pragma once

#include "DravikExport.h"

#include <QFont>

namespace Dravik {

class DRAVIK_EXPORT ControlHost {
public:
    explicit ControlHost(bool designMode = false) : m_designMode(designMode) {}
    virtual ~ControlHost();

    // True while a designer edits the form; false when the form runs.
    bool DesignMode() const { return m_designMode; }
    bool UserMode() const { return !m_designMode; }
    void setDesignMode(bool designMode) { m_designMode = designMode; }

    // The font a control takes when its settings name none.
    virtual QFont AmbientFont() const;
    // The warning sound for a refused key stroke.
    virtual void Beep();

    // The host of running forms (run mode), shared by every control that has
    // not been given another.
    static ControlHost& runHost();
    // The host of forms being designed (design mode).
    static ControlHost& designHost();

private:
    bool m_designMode;
};

} // namespace Dravik
