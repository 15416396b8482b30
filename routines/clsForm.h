// clsForm: remembering where a window stood, and centring windows.
//
// A window is any QWidget; its object name is the window's name. Positions
// and sizes are in twips, 15 to the pixel: left and top are those of the
// window's frame (QWidget::pos()), width and height those of its inside
// (QWidget::size()), so that what is saved is what is restored. The screen
// is the available area of the screen the window is on. A QMdiSubWindow is
// an MDI child: its position is within its MDI area.
//
// A window's record lies under RegKey + "\" + its name in the current
// user's store, as the texts "L", "T", "W" and "H" (decimal twips).
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <memory>

class QWidget;

namespace dvRtns4 {

class clsRegistry;

class DVRTNS4_EXPORT clsForm {
public:
    // Uses a clsRegistry of its own over the desktop's stores, made on first use.
    clsForm();
    // Uses the caller's registry, which must outlive this object.
    explicit clsForm(clsRegistry& registry);
    ~clsForm();
    clsForm(const clsForm&) = delete;
    clsForm& operator=(const clsForm&) = delete;

    // Places the window as saved, with L, T, W, H (twips) for what was not
    // saved. Nothing happens when RegKey is empty. With InitCentered, a
    // window that ends up at 0, 0 is centred on its screen. A window (not an
    // MDI child, unless it is named "frmMDI") whose top-left corner lies off
    // every screen, as after a monitor was removed, is brought back: to 5 %
    // of its screen's width and height, 90 % wide and high.
    void ReadFormCoord(QWidget& frm, qint32 L, qint32 T, qint32 W, qint32 H, const QString& RegKey,
                       bool OnlyLeftTop = false, bool InitCentered = false);
    // Saves the window's position (and size unless OnlyLeftTop). Nothing is
    // saved when RegKey is empty or the window is minimised; a maximised
    // window is saved as it stands.
    void SaveFormCoord(const QWidget& frm, const QString& RegKey, bool OnlyLeftTop = false);
    // Centres the window's frame on its screen when OnScreen is True;
    // otherwise nothing happens.
    void CenterForm(QWidget& frm, bool OnScreen = false);

private:
    clsRegistry& registry();

    clsRegistry* m_registry = nullptr;
    std::unique_ptr<clsRegistry> m_ownRegistry;
};

} // namespace dvRtns4
