// frmWait: the small "please wait" window shown while the database opens and
// the main window builds its trees. It has no actions.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace lexora::startup {

class frmWait final : public QWidget {
    Q_OBJECT
public:
    explicit frmWait(QWidget* parent = nullptr);

    // The window's picture: an hourglass.
    static QPixmap hourglass(int size);
};

} // namespace lexora::startup
