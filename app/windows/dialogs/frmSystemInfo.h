// frmSystemInfo, the general-information window: the page LawInfo.htm of the
// help folder, a toolbar that opens the help, about and settings windows,
// and the check box "Να μην εμφανιστεί ξανά αυτή η οθόνη" whose value the
// close button stores as sys_info_display. Closing the window any other way
// stores nothing. Not modal; one at a time.
#pragma once

#include "app/windows/dialogs/DialogToolbar.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;

namespace engine {
class Connection;
}
namespace lexora::pages {
class PageViewer;
}

namespace lexora::dialogs {

class frmSystemInfo final : public QWidget {
    Q_OBJECT
public:
    // What the toolbar opens.
    struct Actions {
        std::function<void()> showHelp;
        std::function<void()> showAbout;
        std::function<void()> openSettings;
    };

    frmSystemInfo(engine::Connection& connection, const QString& applicationFolder, Actions actions,
                  QWidget* parent = nullptr);

    // Centres the window on the screen and shows the information page.
    void Form_Load();
    void Form_Resize();
    // 0 help, 1 about, 2 settings.
    void cmdtoolbar_Click(int index);
    // Stores the check box's value (0 clear, 1 ticked) and closes the window.
    // A value that cannot be stored is reported; the window closes anyway.
    void cmdClose_Click();

    QString informationPagePath() const { return m_pagePath; }

    pages::PageViewer* brwWebBrowser = nullptr;
    DialogToolbar toolbar;
    QCheckBox* chkSysInfo = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    engine::Connection& m_connection;
    Actions m_actions;
    QString m_pagePath;
};

} // namespace lexora::dialogs
