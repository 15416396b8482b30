// The toolbar panel is red 146, green 132, blue 131 (8619154 as the window
// system writes colours).
#include "app/windows/dialogs/DialogToolbar.h"

#include "app/windows/dialogs/DialogGeometry.h"

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QToolButton>

namespace lexora::dialogs {

namespace {
constexpr int kPanelHeight = 40; // pixels
constexpr int kButtonTop = 4;    // pixels
constexpr int kGapTwips = 200;
} // namespace

DialogToolbar::DialogToolbar(QWidget* window, const std::array<Button, 3>& buttons) {
    sspToolbar = new QFrame(window);
    sspToolbar->setObjectName(QStringLiteral("sspToolbar"));
    sspToolbar->setFrameShape(QFrame::StyledPanel);
    sspToolbar->setAutoFillBackground(true);
    QPalette palette = sspToolbar->palette();
    palette.setColor(QPalette::Window, QColor(146, 132, 131));
    sspToolbar->setPalette(palette);
    sspToolbar->setGeometry(0, 0, 0, kPanelHeight);

    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QToolButton(sspToolbar);
        button->setObjectName(QStringLiteral("cmdtoolbar_%1").arg(i));
        button->setText(buttons[i].caption);
        button->setToolTip(buttons[i].caption);
        button->setIcon(buttons[i].icon);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        const QSize size = button->sizeHint();
        button->setGeometry(0, kButtonTop, size.width(), kPanelHeight - 2 * kButtonTop);
        cmdtoolbar[i] = button;
    }
}

void DialogToolbar::place(int innerWidthTwips) {
    sspToolbar->setGeometry(0, 0, pixels(innerWidthTwips), sspToolbar->height());
    int nextLeft = twips(sspToolbar->width());
    for (std::size_t i = cmdtoolbar.size(); i-- > 0;) {
        QToolButton* button = cmdtoolbar[i];
        const int left = nextLeft - twips(button->width()) - kGapTwips;
        button->move(pixels(left), button->y());
        nextLeft = left;
    }
}

int DialogToolbar::heightTwips() const {
    return twips(sspToolbar->height());
}

} // namespace lexora::dialogs
