// What the features of the program see of the main window: the window (as
// the parent of what they create and the owner of their connections), the
// navigation tabs and the page pane.
#pragma once

#include "app/shell/NavigationTabs.h"
#include "app/shell/PagePane.h"

class QWidget;

namespace lexora::shell {

struct Panes {
    QWidget* window = nullptr;
    NavigationTabs tabs;
    PagePane page;
};

} // namespace lexora::shell
