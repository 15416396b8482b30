// frmAbout ("Για την εφαρμογή"): a window of fixed layout over the product's
// artwork with the version and copyright lines, the maker's contact lines and
// four links (indexes 0 to 3): the new-versions web page, the privacy
// statement, the software-use terms and the information window. The link
// under the pointer is underlined; the pointer anywhere else in the window
// takes every underline away. Not modal; one at a time.
#pragma once

#include "app/windows/dialogs/ProgramVersion.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace lexora::dialogs {

class frmAbout final : public QWidget {
    Q_OBJECT
public:
    // What the links do.
    struct Actions {
        std::function<void()> openNewVersions;          // link 0
        std::function<void(int pChoice)> showLegalText; // links 1 and 2
        std::function<void()> showInformation;          // link 3
    };

    explicit frmAbout(Actions actions, ProgramVersion version = programVersion(),
                      QWidget* parent = nullptr);

    // Puts the copyright and version lines.
    void Form_Load();
    void lbWeb_Click(int index);
    // The hover rule: link `index` underlined and the others not; -1 (the
    // pointer over anything else) takes every underline away.
    void lbWeb_MouseMove(int index);
    void cmdOK_Click() { close(); }

    QLabel* lbVersion = nullptr;
    QLabel* lbC = nullptr;
    QLabel* Label8 = nullptr;
    std::array<QLabel*, 3> Label6{}; // indexes 0 and 2 are used
    QFrame* Frame = nullptr;
    std::array<QLabel*, 4> lbWeb{};
    QPushButton* cmdOK = nullptr;

signals:
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label(const QString& name, QWidget* parent, const QRect& twipsRect);
    int linkIndex(const QObject* object) const;

    Actions m_actions;
    ProgramVersion m_version;
    QPixmap m_artwork;
    QLabel* m_pressedLink = nullptr;
};

} // namespace lexora::dialogs
