// Wiring of the history. A choice in the list is a click on an entry or a
// move of the selection by the keyboard; a press of the mouse that moves the
// selection is followed by its click, which makes the choice once.
#include "app/history/HistoryInstall.h"

#include "app/history/HistoryCommands.h"
#include "app/history/HistoryFile.h"
#include "app/history/HistoryList.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/MainWindowHooks.h"
#include "app/windows/lawviewer/frmhotbrowser.h"

#include <QGuiApplication>
#include <QListWidget>

#include <memory>

namespace lexora::history {

void installHistory(shell::Panes& form, windows::MainWindowHooks& hooks,
                    startup::ProgramContext& context, windows::LawViewerHooks& viewerHooks) {
    shell::Panes* f = &form;
    startup::ProgramContext* c = &context;
    const auto path = [c] { return historyFilePath(c->state.writableFolder()); };
    // What the load learnt of the file decides what the saves may do to it.
    const auto loaded = std::make_shared<HistoryFileState>();

    hooks.loadHistory = [f, c, path, loaded] {
        *loaded = LoadHistory(f->tabs.historyList(), c->connection, path());
    };
    hooks.saveHistory = [f, path, loaded] {
        save_history(f->tabs.historyList(), path(), loaded.get());
    };
    viewerHooks.saveHistory = hooks.saveHistory;
    viewerHooks.saveAct = [f, c] { cmdpicsavewholelaw_Click(*f, *c); };

    QObject* owner = form.window;
    QObject::connect(&form.page, &shell::PagePane::saveTopicActRequested, owner,
                     [f, c] { cmdpichistory_Click(*f, *c); });
    QObject::connect(&form.page, &shell::PagePane::saveActRequested, owner,
                     [f, c] { cmdpicsavewholelaw_Click(*f, *c); });
    QObject::connect(&form.page, &shell::PagePane::deleteHistoryRequested, owner,
                     [f, c] { Cmddelete_Click(*f, *c); });
    QObject::connect(&form.tabs.historyList(), &QListWidget::itemClicked, owner,
                     [f, c] { lsthistory_Click(*f, *c); });
    QObject::connect(&form.tabs.historyList(), &QListWidget::currentRowChanged, owner, [f, c] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            lsthistory_Click(*f, *c);
    });
}

} // namespace lexora::history
