#include "app/shell/NavigationTabs.h"

#include <QTabWidget>

namespace lexora::shell {

Tab NavigationTabs::currentTab() const {
    if (!SSTab1)
        return Tab::Topics;
    const int index = SSTab1->currentIndex();
    if (index < static_cast<int>(Tab::ChartN) || index > static_cast<int>(Tab::History))
        return Tab::Topics;
    return static_cast<Tab>(index);
}

void NavigationTabs::setCurrentTab(Tab tab) {
    if (SSTab1)
        SSTab1->setCurrentIndex(static_cast<int>(tab));
}

QString NavigationTabs::caption(Tab tab) const {
    return SSTab1 ? SSTab1->tabText(static_cast<int>(tab)) : QString();
}

} // namespace lexora::shell
