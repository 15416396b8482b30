// The toolbar of the help and information windows: the panel sspToolbar
// across the top of the window and its three buttons cmdtoolbar(0) to (2),
// placed from the right edge leftwards with 200 twips between them.
#pragma once

#include <QIcon>
#include <QString>

#include <array>

class QFrame;
class QToolButton;
class QWidget;

namespace lexora::dialogs {

class DialogToolbar {
public:
    struct Button {
        QString caption;
        QIcon icon;
    };
    // Creates the panel and its buttons on window.
    DialogToolbar(QWidget* window, const std::array<Button, 3>& buttons);

    // Gives the panel the window's inner width and places the buttons: the
    // last one 200 twips from the right edge, each other one 200 twips left
    // of the next.
    void place(int innerWidthTwips);
    int heightTwips() const;

    QFrame* sspToolbar = nullptr;
    std::array<QToolButton*, 3> cmdtoolbar{};
};

} // namespace lexora::dialogs
