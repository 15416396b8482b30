// The help window. Printing follows the abstract print of the main window:
// the viewer's print command when it is enabled, a plain message otherwise.
#include "app/windows/dialogs/frmHelp.h"

#include "app/windows/dialogs/DialogGeometry.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "platform/pageview/PageViewer.h"
#include "routines/MessagePresenter.h"

#include <QCloseEvent>
#include <QStyle>
#include <QToolButton>

#include <exception>

namespace lexora::dialogs {

namespace {

void showPlain(const QString& text) {
    dvRtns4::messagePresenter().show({dvRtns4::MsgIcon::None, QString(), text});
}

} // namespace

frmHelp::frmHelp(const QString& applicationTitle, const QString& applicationFolder,
                 pages::PrintDialogService& printerDialog, QWidget* parent)
    : QWidget(parent, Qt::Window),
      toolbar(this, {{{texts::kHelpHome, style()->standardIcon(QStyle::SP_DirHomeIcon)},
                      {texts::kHelpPrint, style()->standardIcon(QStyle::SP_FileIcon)},
                      {texts::kHelpClose, style()->standardIcon(QStyle::SP_DialogCloseButton)}}}),
      m_pagePath(applicationFolder + QStringLiteral("/help/law_help.html")) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kHelpCaption + QLatin1Char('"') + applicationTitle + QLatin1Char('"'));

    brwWebBrowserhelp = new pages::PageViewer(this);
    brwWebBrowserhelp->setObjectName(QStringLiteral("brwWebBrowserhelp"));
    brwWebBrowserhelp->setPrintDialogService(&printerDialog);

    for (int i = 0; i < 3; ++i)
        connect(toolbar.cmdtoolbar[static_cast<std::size_t>(i)], &QToolButton::clicked, this,
                [this, i] { cmdtoolbar_Click(i); });
    resize(760, 560);
}

void frmHelp::Form_Load() {
    brwWebBrowserhelp->Navigate(QStringLiteral("file:") + m_pagePath);
}

void frmHelp::cmdtoolbar_Click(int index) {
    switch (index) {
    case 0:
        brwWebBrowserhelp->Navigate(QStringLiteral("file:") + m_pagePath);
        break;
    case 1:
        printPage();
        break;
    case 2:
        close();
        break;
    default:
        break;
    }
}

void frmHelp::printPage() {
    try {
        const int status = brwWebBrowserhelp->QueryStatusWB(pages::OLECMDID_PRINT);
        if ((status & pages::OLECMDF_ENABLED) != 0)
            brwWebBrowserhelp->ExecWB(pages::OLECMDID_PRINT, pages::OLECMDEXECOPT_PROMPTUSER);
        else
            showPlain(texts::kPrintDisabled);
    } catch (const std::exception& error) {
        showPlain(texts::kPrintError + QString::fromUtf8(error.what()));
    }
}

void frmHelp::Form_Resize() {
    const int w = twips(width());
    const int h = twips(height());
    toolbar.place(w);
    const int top = toolbar.heightTwips();
    const int viewerHeight = h - top > 0 ? pixels(h - top) : brwWebBrowserhelp->height();
    brwWebBrowserhelp->setGeometry(0, pixels(top), pixels(w), viewerHeight);
}

void frmHelp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmHelp::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace lexora::dialogs
