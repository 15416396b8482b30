// The keys press the buttons or run the operations of the panes that do the
// job.
#include "app/windows/WindowKeys.h"

#include "app/shell/Panes.h"

#include <QShortcut>
#include <QToolButton>

#include <initializer_list>

namespace lexora::windows {

namespace {

bool usable(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->isEnabled();
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
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_P)}, [&f] { f.page.printPageInView(); });
    onKeys(f, {QKeySequence(Qt::CTRL | Qt::Key_L)}, [&f] { f.tabs.focusNextSearchBox(); });

    // The toolbar's underlined letters under a Latin layout; under the Greek
    // layout the mnemonics of the captions answer by themselves.
    const Qt::Key latin[] = {Qt::Key_B, Qt::Key_G, Qt::Key_R, Qt::Key_J};
    for (std::size_t i = 0; i < 4; ++i)
        onKeys(f, {QKeySequence(Qt::ALT | latin[i])}, [&toolbar, i] { press(toolbar[i]); });
}

} // namespace lexora::windows
