// The find bar of a text view: a box for the text to find, the number of
// matches and the current one ("3 από 12"), buttons for the previous and next
// match and for closing. Every match is highlighted and the current one is
// scrolled into view. The comparison ignores case, accents and diaeresis.
//
// Keys, active while the focus is inside the host widget: Ctrl+F opens the bar
// (with the selected text, if any) and puts the focus in its box; F3 and
// Enter go to the next match, Shift+F3 and Shift+Enter to the previous one,
// wrapping round at either end; Escape closes the bar, removes the
// highlighting and gives the focus back to the text.
//
// The host places the bar (below the text, visible only while open) and calls
// refresh() whenever the text view's content has been replaced.
#pragma once

#include "platform/textview/TextMatches.h"

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QShortcut;
class QTextEdit;
class QToolButton;

namespace lexora::textview {

class FindBar : public QWidget {
    Q_OBJECT
public:
    // target: the text searched; host: the widget whose focus activates the
    // keys (the target itself or a widget that holds both it and the bar).
    FindBar(QTextEdit* target, QWidget* host, QWidget* parent);

    void open();
    void close();
    bool isOpen() const { return !isHidden(); }

    void setQuery(const QString& query);
    QString query() const;
    void findNext();
    void findPrevious();

    // Finds again in the target's present content, keeping the current match
    // where it can; the highlighting of a replaced document is gone otherwise.
    void refresh();

    int matchCount() const { return static_cast<int>(m_matches.size()); }
    // Index of the current match, -1 when there is none.
    int currentMatch() const { return m_current; }
    // The text shown beside the box: "3 από 12", "Δεν βρέθηκε" or empty.
    QString countText() const;

signals:
    void openChanged(bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(int preferredPosition);
    void step(int direction);
    void showMatches();

    QTextEdit* m_target;
    QLineEdit* m_box;
    QLabel* m_count;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_close;
    QShortcut* m_escape;
    QList<TextMatch> m_matches;
    int m_current = -1;
};

} // namespace lexora::textview
