// Wiring of the searches into the main window.
#include "app/search/SearchInstall.h"

#include "app/search/SearchDispatch.h"
#include "app/search/SearchFeedback.h"
#include "app/shell/Panes.h"
#include "app/windows/MainWindowHooks.h"

namespace lexora::search {

void installSearch(shell::Panes& form, windows::MainWindowHooks& hooks,
                   startup::ProgramContext& context) {
    hooks.searchClicked = [&form, &context](int index) {
        cmdsearch_Click(form, context, index);
        reportSearch(form, context, index);
    };
}

} // namespace lexora::search
