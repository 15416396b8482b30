// The information window. Its geometry follows the window's design in twips:
// the viewer takes all but the lowest 1000 twips, where the check box and the
// close button sit.
#include "app/windows/dialogs/frmSystemInfo.h"

#include "app/store/Statements.h"
#include "app/windows/dialogs/DialogGeometry.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "engine/Connection.h"
#include "platform/pageview/PageViewer.h"
#include "routines/MessagePresenter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <exception>

namespace lexora::dialogs {

namespace {
constexpr int kBottomTwips = 1000;
constexpr int kMarginTwips = 100;
} // namespace

frmSystemInfo::frmSystemInfo(engine::Connection& connection, const QString& applicationFolder,
                             Actions actions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      toolbar(this,
              {{{texts::kInfoHelp, style()->standardIcon(QStyle::SP_DialogHelpButton)},
                {texts::kInfoAbout, style()->standardIcon(QStyle::SP_MessageBoxInformation)},
                {texts::kInfoSettings, style()->standardIcon(QStyle::SP_FileDialogDetailedView)}}}),
      m_connection(connection), m_actions(std::move(actions)),
      m_pagePath(applicationFolder + QStringLiteral("/help/LawInfo.htm")) {
    setObjectName(QStringLiteral("frmSystemInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kInfoCaption);

    brwWebBrowser = new pages::PageViewer(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));

    chkSysInfo = new QCheckBox(texts::kChkSysInfo, this);
    chkSysInfo->setObjectName(QStringLiteral("chkSysInfo"));
    chkSysInfo->adjustSize();

    cmdClose = new QPushButton(texts::kClose, this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->resize(cmdClose->sizeHint().expandedTo(QSize(90, 28)));

    for (int i = 0; i < 3; ++i)
        connect(toolbar.cmdtoolbar[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, i] { cmdtoolbar_Click(i); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    resize(720, 540);
}

void frmSystemInfo::Form_Load() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->geometry();
        const int left = (twips(area.width()) - twips(width())) / 2;
        const int top = (twips(area.height()) - twips(height())) / 2;
        move(left > 0 ? area.x() + pixels(left) : x(), top > 0 ? area.y() + pixels(top) : y());
    }
    brwWebBrowser->Navigate(QStringLiteral("file:") + m_pagePath);
}

void frmSystemInfo::cmdtoolbar_Click(int index) {
    const std::function<void()>* action = nullptr;
    switch (index) {
    case 0:
        action = &m_actions.showHelp;
        break;
    case 1:
        action = &m_actions.showAbout;
        break;
    case 2:
        action = &m_actions.openSettings;
        break;
    default:
        return;
    }
    if (*action)
        (*action)();
}

void frmSystemInfo::cmdClose_Click() {
    const std::int16_t value = chkSysInfo->isChecked() ? 1 : 0;
    try {
        m_connection.execute(store::updateSysInfoFromInfoWindow(value));
    } catch (const std::exception& error) {
        // A write-protected database must not end the program: the choice
        // is lost, and the user is told so.
        dvRtns4::messagePresenter().show(
            {dvRtns4::MsgIcon::Exclamation, texts::kSaveFailedTitle,
             texts::kInfoChoiceNotSaved + QString::fromUtf8(error.what())});
    }
    close();
}

void frmSystemInfo::Form_Resize() {
    const int w = twips(width());
    const int h = twips(height());
    toolbar.place(w);

    const int top = toolbar.heightTwips();
    int viewerHeight = twips(brwWebBrowser->height());
    if (h - kBottomTwips > 0)
        viewerHeight = h - kBottomTwips;
    brwWebBrowser->setGeometry(0, pixels(top), pixels(w), pixels(viewerHeight));

    chkSysInfo->move(pixels(kMarginTwips), pixels(top + viewerHeight + kMarginTwips));

    const int closeTop = h - twips(cmdClose->height());
    const int closeLeft = w - twips(cmdClose->width());
    cmdClose->move(closeLeft > 0 ? pixels(closeLeft) : cmdClose->x(),
                   closeTop > 0 ? pixels(closeTop) : cmdClose->y());
}

void frmSystemInfo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmSystemInfo::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setFocus();
    QWidget::changeEvent(event);
}

void frmSystemInfo::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace lexora::dialogs
