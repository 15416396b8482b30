// frmHelp, the help window: the help page law_help.html of the application
// folder's help folder in a page viewer, under a toolbar that shows the page
// again, prints it and closes the window. Not modal; one at a time.
#pragma once

#include "app/windows/dialogs/DialogToolbar.h"

#include <QWidget>

namespace lexora::pages {
class PageViewer;
class PrintDialogService;
} // namespace lexora::pages

namespace lexora::dialogs {

class frmHelp final : public QWidget {
    Q_OBJECT
public:
    // The caption names the application title; the page is looked for in
    // applicationFolder + "/help".
    frmHelp(const QString& applicationTitle, const QString& applicationFolder,
            pages::PrintDialogService& printerDialog, QWidget* parent = nullptr);

    // Shows the help page.
    void Form_Load();
    void Form_Resize();
    // 0 shows the help page again, 1 prints it, 2 closes the window.
    void cmdtoolbar_Click(int index);

    QString helpPagePath() const { return m_pagePath; }

    pages::PageViewer* brwWebBrowserhelp = nullptr;
    DialogToolbar toolbar;

signals:
    // The window has been closed (unloaded).
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void printPage();

    QString m_pagePath;
};

} // namespace lexora::dialogs
