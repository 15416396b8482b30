// The law viewer window frmhotbrowser ("Περιγραφή Νομοθετήματος"): a
// separate, non-modal window that shows one act opened from an act page of
// the main window, follows the act links inside it, and prints the act or
// saves it to the history through hooks. There is one such window at a
// time; opening another act from the main window replaces it.
//
// Geometry follows the window's own rules in twips (15 per pixel): a
// toolbar panel across the top with the save button at its right and the
// print button to the save button's left (or in its place when the save
// button is hidden), and the three display controls filling the rest.
#pragma once

#include "app/shell/ActTrail.h"
#include "app/shell/Twips.h"

#include <QWidget>

#include <functional>

class QFrame;
class QToolButton;

namespace lexora::pages {
class PageViewer;
class PrintDialogService;
} // namespace lexora::pages
namespace lexora::richtext {
class DocumentBox;
}
namespace lexora::shell {
struct Panes;
}
namespace lexora::startup {
struct ProgramContext;
}

namespace lexora::windows {

class frmhotbrowser;

// What the window's buttons and its unloading do outside the window.
struct LawViewerHooks {
    std::function<void()> saveAct;             // cmdpicsavewholelaw: the act save click
    std::function<void(frmhotbrowser&)> print; // cmdhotconnprint: print what is shown
    std::function<void()> saveHistory;         // on unload: write the history file
    std::function<void(QWidget&)> created;     // once the window and its controls exist
};
void setLawViewerHooks(LawViewerHooks hooks);

class frmhotbrowser : public QWidget {
    Q_OBJECT
public:
    frmhotbrowser(shell::Panes& form, startup::ProgramContext& context, QWidget* parent = nullptr);
    ~frmhotbrowser() override;

    // Controls, top to bottom.
    QFrame* sspLaw = nullptr;
    QToolButton* cmdpicsavewholelaw = nullptr;
    QToolButton* cmdhotconnprint = nullptr;
    // Back to the act shown before a link was followed, and forward again
    // (also Alt+Left and Alt+Right).
    QToolButton* cmdhotback = nullptr;
    QToolButton* cmdhotforward = nullptr;
    pages::PageViewer* brwhotbrowser = nullptr;
    richtext::DocumentBox* rtbhotBrowser = nullptr;
    pages::PageViewer* brwFilehotbrowser = nullptr;
    pages::PrintDialogService* cdPrintRTF = nullptr; // set by whoever prints

    // The load step: runs once, when the window is first shown (or called).
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    // The unload step; runs once.
    void Form_Unload();
    // Lays the controls out for the window's inner size.
    void Form_Resize();

    bool isLoaded() const { return m_loaded; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void GoBack();
    void GoForward();

private:
    void brwhotbrowser_DocumentComplete();
    void showTrailAct(std::optional<std::int32_t> id);
    void updateTrailButtons();

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    bool m_loaded = false;
    bool m_unloaded = false;
    shell::ActTrail m_trail;
};

// The window if one is open, else nullptr.
frmhotbrowser* openLawViewer();
// The window, created (not yet loaded or shown) when none is open.
frmhotbrowser& lawViewer(shell::Panes& form, startup::ProgramContext& context);
// Unloads and destroys the open window, if any.
void unloadLawViewer();
// Loads the window if needed and shows it, not modal.
frmhotbrowser& showLawViewer(shell::Panes& form, startup::ProgramContext& context);

} // namespace lexora::windows
