// Wiring of the searches into the main window.
#include "SearchInstall.h"

#include "MainForm.h"
#include "MainWindowHooks.h"
#include "SearchBoxes.h"
#include "SearchDispatch.h"
#include "SearchFeedback.h"

namespace lexora::search {

void installSearch(windows::MainForm& form, windows::MainWindowHooks& hooks,
                   startup::ProgramContext& context) {
    hooks.searchClicked = [&form, &context](int index) {
        cmdsearch_Click(form, context, index);
        reportSearch(form, context, index);
    };
    new SearchDefaultButton(form); // owned by form.window
}

} // namespace lexora::search
