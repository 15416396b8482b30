// Building the navigation tabs: the tab control with one page per tab, the
// search frames with their captions, boxes and tool tips, the trees, the
// history list, the two search buttons the tabs share and the status line.
#include "app/shell/NavigationTabs.h"

#include "app/shell/PaneBuilding.h"
#include "app/shell/SearchBoxes.h"
#include "app/shell/Twips.h"
#include "platform/treeview/ImageList.h"
#include "platform/treeview/TreeControl.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace lexora::shell {

namespace {

QFrame* searchFrame(QWidget* parent, const QString& name) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(px(100), px(60), px(100), px(100));
    grid->setHorizontalSpacing(px(100));
    grid->setVerticalSpacing(px(30));
    grid->setColumnStretch(0, 1);
    return frame;
}

QLineEdit* newSearchBox(QFrame* frame, const QString& name, const QString& toolTip, int row) {
    auto* box = named(new QLineEdit(frame), name);
    box->setToolTip(toolTip);
    box->setClearButtonEnabled(true);
    static_cast<QGridLayout*>(frame->layout())->addWidget(box, row, 0);
    return box;
}

QLabel* searchLabel(QFrame* frame, const QString& name, const QString& caption, int row) {
    auto* label = named(new QLabel(caption, frame), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    static_cast<QGridLayout*>(frame->layout())->addWidget(label, row, 0, 1, 2);
    return label;
}

trees::TreeControl* newTree(QWidget* parent, const QString& name) {
    auto* control = named(new trees::TreeControl(parent), name);
    control->setImageList(trees::treeImageList());
    return control;
}

void tabPage(QTabWidget* tabs, const QString& caption, QFrame* frame, QWidget* content) {
    auto* page = new QWidget(tabs);
    page->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(px(100), px(100), px(100), px(100));
    column->setSpacing(px(100));
    if (frame != nullptr) {
        frame->setParent(page);
        column->addWidget(frame);
    }
    content->setParent(page);
    column->addWidget(content, 1);
    tabs->addTab(page, caption);
}

bool usable(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->isEnabled();
}

} // namespace

NavigationTabs::NavigationTabs(QWidget* window, const TabCaptions& captions) {
    SSTab1 = named(new QTabWidget(window), QStringLiteral("SSTab1"));
    SSTab1->setUsesScrollButtons(true);
    SSTab1->setDocumentMode(false);

    // Organisation-chart search frames: index 0 on tab 3, index 1 on tab 0.
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        frSearchSchedule[k] = searchFrame(window, indexed("frSearchSchedule", i));
        lblsearchschedule[k] = searchLabel(frSearchSchedule[k], indexed("lblsearchschedule", i),
                                           i == 0 ? QStringLiteral("Αναζήτηση στον Οδηγό Εγγράφων ")
                                                  : QStringLiteral("Αναζήτηση στο Οργανόγραμμα"),
                                           0);
        txtsearchSchedule[k] = newSearchBox(
            frSearchSchedule[k], indexed("txtsearchSchedule", i),
            i == 0 ? QStringLiteral("Αναζήτηση στους τίτλους των θεμάτων του Οδηγού Εγγραφού που "
                                    "εμφανίζονται στο δέντρο Εγγράφων.")
                   : QStringLiteral("Αναζήτηση στους τίτλους των θεμάτων που εμφανίζονται στο "
                                    "δέντρο του Οργανογράμματος."),
            1);
        tvwTreeschedule[k] = newTree(window, indexed("tvwTreeschedule", i));
    }

    frSearch = searchFrame(window, QStringLiteral("frSearch"));
    lblsearch[0] = searchLabel(frSearch, QStringLiteral("lblsearch_0"),
                               QStringLiteral("Αναζήτηση στα Θέματα"), 0);
    txtsearch[0] = newSearchBox(frSearch, QStringLiteral("txtsearch_0"),
                                QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στους τίτλους που "
                                               "εμφανίζονται στο δέντρο Θεμάτων."),
                                1);
    lblsearch[1] = searchLabel(frSearch, QStringLiteral("lblsearch_1"),
                               QStringLiteral("Αναζήτηση στο Περιεχόμενο των Θεμάτων"), 2);
    txtsearch[1] = newSearchBox(
        frSearch, QStringLiteral("txtsearch_1"),
        QStringLiteral("Αναζήτηση βάσει λέξεων κλειδιών στο κείμενο των περιλήψεων και των "
                       "νομοθετημάτων που αντιστοιχούν στα θέματα του δέντρου Θεμάτων."),
        3);
    tvwTree = newTree(window, QStringLiteral("tvwTree"));

    frsearchlaw = searchFrame(window, QStringLiteral("frsearchlaw"));
    lblsearchlaw[0] = searchLabel(frsearchlaw, QStringLiteral("lblsearchlaw_0"),
                                  QStringLiteral("Αναζήτηση Νομοθετημάτων"), 0);
    txtsearchlaw[0] = newSearchBox(frsearchlaw, QStringLiteral("txtsearchlaw_0"),
                                   QStringLiteral("Αναζήτηση στους τίτλους των Νομοθετημάτων που "
                                                  "εμφανίζονται στο δέντρο των Νομοθετημάτων."),
                                   1);
    lblsearchlaw[1] = searchLabel(frsearchlaw, QStringLiteral("lblsearchlaw_1"),
                                  QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετημάτων"), 2);
    txtsearchlaw[1] = newSearchBox(frsearchlaw, QStringLiteral("txtsearchlaw_1"),
                                   QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετήματων βάσει "
                                                  "των λέξεων κλειδιών που εισάγετε."),
                                   3);
    lblsearchlaw[2] = searchLabel(frsearchlaw, QStringLiteral("lblsearchlaw_2"),
                                  QStringLiteral("Θέματα που παραπέμπουν στο Νομοθέτημα"), 4);
    tvwTreelaw = newTree(window, QStringLiteral("tvwTreelaw"));

    lsthistory = named(new QListWidget(window), QStringLiteral("lsthistory"));

    // The search buttons, shared by the tabs: the tab layout puts them into
    // the frame of the current tab.
    for (int i = 0; i < 2; ++i) {
        auto* button = named(new QToolButton(frSearch), indexed("cmdsearch", i));
        button->setText(QStringLiteral("Αναζήτηση"));
        button->setIcon(windowIcon("search"));
        button->setIconSize(QSize(16, 16));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        cmdsearch[static_cast<std::size_t>(i)] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { emit searchRequested(i); });
    }

    tabPage(SSTab1, captions[0], frSearchSchedule[1], tvwTreeschedule[1]);
    tabPage(SSTab1, captions[1], frSearch, tvwTree);
    tabPage(SSTab1, captions[2], frsearchlaw, tvwTreelaw);
    tabPage(SSTab1, captions[3], frSearchSchedule[0], tvwTreeschedule[0]);
    tabPage(SSTab1, captions[4], nullptr, lsthistory);
    SSTab1->setCurrentIndex(static_cast<int>(Tab::Topics));
    connect(SSTab1, &QTabWidget::currentChanged, this,
            [this] { emit currentTabChanged(currentTab()); });

    lblStatus = named(new QLabel(window), QStringLiteral("lblStatus"));
    lblStatus->setTextFormat(Qt::PlainText);

    // txtsearch(i) and txtsearchlaw(i) go with cmdsearch(i); both chart boxes
    // with cmdsearch(0), the button that runs the chart search.
    m_defaultButton = new SearchDefaultButton(window);
    for (std::size_t i = 0; i < 2; ++i) {
        m_defaultButton->bind(txtsearch[i], cmdsearch[i]);
        m_defaultButton->bind(txtsearchlaw[i], cmdsearch[i]);
        m_defaultButton->bind(txtsearchSchedule[i], cmdsearch[0]);
    }
}

NavigationTabs::~NavigationTabs() = default;

Tab NavigationTabs::currentTab() const {
    const int index = SSTab1->currentIndex();
    if (index < static_cast<int>(Tab::ChartN) || index > static_cast<int>(Tab::History))
        return Tab::Topics;
    return static_cast<Tab>(index);
}

void NavigationTabs::setCurrentTab(Tab tab) {
    SSTab1->setCurrentIndex(static_cast<int>(tab));
}

QString NavigationTabs::caption(Tab tab) const {
    return SSTab1->tabText(static_cast<int>(tab));
}

bool NavigationTabs::isTabShown(Tab tab) const {
    return SSTab1->isTabVisible(static_cast<int>(tab)) &&
           SSTab1->isTabEnabled(static_cast<int>(tab));
}

trees::TreeControl* NavigationTabs::tree(Tab tab) const {
    switch (tab) {
    case Tab::ChartN:
        return tvwTreeschedule[1];
    case Tab::Topics:
        return tvwTree;
    case Tab::Laws:
        return tvwTreelaw;
    case Tab::ChartP:
        return tvwTreeschedule[0];
    case Tab::History:
        break;
    }
    return nullptr;
}

QLineEdit* NavigationTabs::searchBox(Tab tab, int box) const {
    if (box < 0 || box > 1)
        return nullptr;
    const auto k = static_cast<std::size_t>(box);
    switch (tab) {
    case Tab::ChartN:
        return box == 0 ? txtsearchSchedule[1] : nullptr;
    case Tab::ChartP:
        return box == 0 ? txtsearchSchedule[0] : nullptr;
    case Tab::Topics:
        return txtsearch[k];
    case Tab::Laws:
        return txtsearchlaw[k];
    case Tab::History:
        break;
    }
    return nullptr;
}

QString NavigationTabs::searchText(Tab tab, int box) const {
    const QLineEdit* edit = searchBox(tab, box);
    return edit ? edit->text().trimmed() : QString();
}

void NavigationTabs::focusNextSearchBox() {
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : {txtsearch[0], txtsearch[1], txtsearchlaw[0], txtsearchlaw[1],
                           txtsearchSchedule[0], txtsearchSchedule[1]})
        if (usable(box))
            boxes << box;
    if (boxes.isEmpty())
        return;
    const qsizetype at = boxes.indexOf(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QLineEdit* box = boxes.at(at < 0 ? 0 : (at + 1) % boxes.size());
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

void NavigationTabs::setStatus(const QString& text) {
    lblStatus->setText(text);
}

QString NavigationTabs::status() const {
    return lblStatus->text();
}

} // namespace lexora::shell
