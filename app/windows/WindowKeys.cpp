// The page "in view" for Ctrl+P is the one holding the focus when a page has
// it; otherwise the act page when one is shown, else the abstract page.
#include "app/windows/WindowKeys.h"

#include "app/windows/MainForm.h"
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

bool showsSomething(const MainForm& f) {
    return usable(f.rtbWordLawTopic) || usable(f.brwWebBrowserLawFile) ||
           (usable(f.brwWebBrowser2) && !f.brwWebBrowser2->view()->toPlainText().isEmpty());
}

QToolButton* printButtonInView(const MainForm& f) {
    if (holdsFocus(f.brwWebBrowser1) && usable(f.cmdpicprintabstr))
        return f.cmdpicprintabstr;
    const bool actFocused = holdsFocus(f.brwWebBrowser2) || holdsFocus(f.rtbWordLawTopic) ||
                            holdsFocus(f.brwWebBrowserLawFile);
    if (usable(f.cmdpiclaw) && (actFocused || showsSomething(f)))
        return f.cmdpiclaw;
    for (QToolButton* b : {f.cmdpiclawhist, f.cmdpicprintabstr})
        if (usable(b))
            return b;
    return nullptr;
}

// The search boxes of the current tab, upper first.
QList<QLineEdit*> searchBoxesInView(const MainForm& f) {
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : {f.txtsearch[0], f.txtsearch[1], f.txtsearchlaw[0], f.txtsearchlaw[1],
                           f.txtsearchSchedule[0], f.txtsearchSchedule[1]})
        if (usable(box))
            boxes << box;
    return boxes;
}

void goToSearchBox(const MainForm& f) {
    const QList<QLineEdit*> boxes = searchBoxesInView(f);
    if (boxes.isEmpty())
        return;
    const qsizetype at = boxes.indexOf(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QLineEdit* box = boxes.at(at < 0 ? 0 : (at + 1) % boxes.size());
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

void onKeys(MainForm& f, std::initializer_list<QKeySequence> keys,
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

void installWindowKeys(MainForm& f) {
    onKeys(f, {QKeySequence(Qt::Key_F1)}, [&f] { press(f.cmdtoolbar[0]); });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [&f] { press(f.cmdtoolbar[3]); });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_P)}, [&f] {
        if (QToolButton* button = printButtonInView(f))
            button->click();
    });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_L)}, [&f] { goToSearchBox(f); });

    // The toolbar's underlined letters under a Latin layout; under the Greek
    // layout the mnemonics of the captions answer by themselves.
    const Qt::Key latin[] = {Qt::Key_B, Qt::Key_G, Qt::Key_R, Qt::Key_J};
    for (std::size_t i = 0; i < 4; ++i)
        onKeys(f, {QKeySequence(Qt::ALT | latin[i])}, [&f, i] { press(f.cmdtoolbar[i]); });
}

} // namespace lexora::windows
