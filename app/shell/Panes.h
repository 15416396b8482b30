// What the features of the program see of the main window: the window (as
// the parent of what they create and the owner of their connections), the
// navigation tabs and the page pane. The panes build their controls on the
// window.
#pragma once

#include "app/shell/NavigationTabs.h"
#include "app/shell/PagePane.h"

class QWidget;

namespace lexora::shell {

struct Panes {
    Panes(QWidget* owner, const TabCaptions& captions)
        : window(owner), tabs(owner, captions), page(owner, tabs) {}

    QWidget* window;
    NavigationTabs tabs;
    PagePane page;
};

} // namespace lexora::shell
