// The page "in view" for Ctrl+P is the one holding the focus when a page has
// it; otherwise the act page when one is shown, else the abstract page.
#include "app/windows/WindowKeys.h"

#include "app/shell/Panes.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>

#include <initializer_list>

namespace lexora::windows {

namespace {

bool usable(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->isEnabled();
}

bool holdsFocus(const QWidget* w) {
    const QWidget* focus = QApplication::focusWidget();
    return w != nullptr && focus != nullptr && (w == focus || w->isAncestorOf(focus));
}

bool showsSomething(const shell::Panes& f) {
    return usable(f.page.rtbWordLawTopic) || usable(f.page.brwWebBrowserLawFile) ||
           (usable(f.page.brwWebBrowser2) &&
            !f.page.brwWebBrowser2->view()->toPlainText().isEmpty());
}

QToolButton* printButtonInView(const shell::Panes& f) {
    if (holdsFocus(f.page.brwWebBrowser1) && usable(f.page.cmdpicprintabstr))
        return f.page.cmdpicprintabstr;
    const bool actFocused = holdsFocus(f.page.brwWebBrowser2) ||
                            holdsFocus(f.page.rtbWordLawTopic) ||
                            holdsFocus(f.page.brwWebBrowserLawFile);
    if (usable(f.page.cmdpiclaw) && (actFocused || showsSomething(f)))
        return f.page.cmdpiclaw;
    for (QToolButton* b : {f.page.cmdpiclawhist, f.page.cmdpicprintabstr})
        if (usable(b))
            return b;
    return nullptr;
}

// The search boxes of the current tab, upper first.
QList<QLineEdit*> searchBoxesInView(const shell::Panes& f) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* box :
         {f.tabs.txtsearch[0], f.tabs.txtsearch[1], f.tabs.txtsearchlaw[0], f.tabs.txtsearchlaw[1],
          f.tabs.txtsearchSchedule[0], f.tabs.txtsearchSchedule[1]})
        if (usable(box))
            boxes << box;
    return boxes;
}

void goToSearchBox(const shell::Panes& f) {
    const QList<QLineEdit*> boxes = searchBoxesInView(f);
    if (boxes.isEmpty())
        return;
    const qsizetype at = boxes.indexOf(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QLineEdit* box = boxes.at(at < 0 ? 0 : (at + 1) % boxes.size());
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

void onKeys(shell::Panes& f, std::initializer_list<QKeySequence> keys,
            const std::function<void()>& action) {
    for (const QKeySequence& sequence : keys) {
        auto* shortcut = new QShortcut(sequence, f.window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, f.window, action);
    }
}

void press(QToolButton* button) {
    if (usable(button))
        button->click();
}

} // namespace

void installWindowKeys(shell::Panes& f, const std::array<QToolButton*, 4>& toolbar) {
    onKeys(f, {QKeySequence(Qt::Key_F1)}, [&toolbar] { press(toolbar[0]); });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [&toolbar] { press(toolbar[3]); });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_P)}, [&f] {
        if (QToolButton* button = printButtonInView(f))
            button->click();
    });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_L)}, [&f] { goToSearchBox(f); });

    // The toolbar's underlined letters under a Latin layout; under the Greek
    // layout the mnemonics of the captions answer by themselves.
    const Qt::Key latin[] = {Qt::Key_B, Qt::Key_G, Qt::Key_R, Qt::Key_J};
    for (std::size_t i = 0; i < 4; ++i)
        onKeys(f, {QKeySequence(Qt::ALT | latin[i])}, [&toolbar, i] { press(toolbar[i]); });
}

} // namespace lexora::windows
