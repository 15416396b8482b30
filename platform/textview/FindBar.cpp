// Matches are shown as extra selections of the text view, which survive no
// change of its document: every change of content comes back through refresh().
#include "platform/textview/FindBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>

namespace lexora::textview {

namespace {

const QColor kMatchColour(255, 236, 140);
const QColor kCurrentColour(255, 160, 60);

QToolButton* barButton(QWidget* parent, const QString& name, const QString& text,
                       const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

FindBar::FindBar(QTextEdit* target, QWidget* host, QWidget* parent)
    : QWidget(parent), m_target(target) {
    setObjectName(QStringLiteral("frFind"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);

    auto* label = new QLabel(QStringLiteral("&Εύρεση:"), this);
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("txtFind"));
    m_box->setClearButtonEnabled(true);
    m_box->setToolTip(QStringLiteral("Εύρεση στη σελίδα (χωρίς διάκριση πεζών και τόνων)"));
    label->setBuddy(m_box);
    m_previous = barButton(this, QStringLiteral("cmdFindPrevious"), QStringLiteral("▲"),
                           QStringLiteral("Προηγούμενο (Shift+F3)"));
    m_next = barButton(this, QStringLiteral("cmdFindNext"), QStringLiteral("▼"),
                       QStringLiteral("Επόμενο (F3)"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblFindCount"));
    m_count->setMinimumWidth(
        m_count->fontMetrics().horizontalAdvance(QStringLiteral("888 από 888")));
    m_close = barButton(this, QStringLiteral("cmdFindClose"), QStringLiteral("✕"),
                        QStringLiteral("Κλείσιμο (Esc)"));
    layout->addWidget(label);
    layout->addWidget(m_box, 1);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_count);
    layout->addWidget(m_close);
    hide();

    connect(m_box, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(m_next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(m_previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(m_close, &QToolButton::clicked, this, &FindBar::close);
    m_box->installEventFilter(this);

    const auto shortcut = [host](const QKeySequence& keys) {
        auto* s = new QShortcut(keys, host);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        return s;
    };
    connect(shortcut(QKeySequence::Find), &QShortcut::activated, this, &FindBar::open);
    connect(shortcut(QKeySequence(Qt::Key_F3)), &QShortcut::activated, this, [this] {
        if (!isOpen() || query().isEmpty())
            open();
        else
            findNext();
    });
    connect(shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3)), &QShortcut::activated, this, [this] {
        if (!isOpen() || query().isEmpty())
            open();
        else
            findPrevious();
    });
    m_escape = shortcut(QKeySequence(Qt::Key_Escape));
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &FindBar::close);
}

void FindBar::open() {
    const QString selected = m_target->textCursor().selectedText();
    const bool wasOpen = isOpen();
    show();
    m_escape->setEnabled(true);
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) && selected != query())
        m_box->setText(selected);
    else
        search(-1);
    m_box->setFocus(Qt::ShortcutFocusReason);
    m_box->selectAll();
    if (!wasOpen)
        emit openChanged(true);
}

void FindBar::close() {
    if (!isOpen())
        return;
    const bool focusInside = isAncestorOf(QApplication::focusWidget());
    hide();
    m_escape->setEnabled(false);
    m_matches.clear();
    m_current = -1;
    m_target->setExtraSelections({});
    if (focusInside)
        m_target->setFocus(Qt::OtherFocusReason);
    emit openChanged(false);
}

void FindBar::setQuery(const QString& query) {
    m_box->setText(query);
}

QString FindBar::query() const {
    return m_box->text();
}

void FindBar::findNext() {
    step(+1);
}

void FindBar::findPrevious() {
    step(-1);
}

void FindBar::refresh() {
    if (!isOpen())
        return;
    search(m_current >= 0 ? m_matches.at(m_current).position : -1);
}

QString FindBar::countText() const {
    if (query().isEmpty())
        return {};
    if (m_matches.isEmpty())
        return QStringLiteral("Δεν βρέθηκε");
    return QStringLiteral("%1 από %2").arg(m_current + 1).arg(m_matches.size());
}

void FindBar::search(int preferredPosition) {
    m_matches = isOpen() ? findMatches(*m_target->document(), query()) : QList<TextMatch>{};
    m_current = -1;
    if (!m_matches.isEmpty()) {
        // The first match at or after the place the reader is at.
        const int from =
            preferredPosition >= 0 ? preferredPosition : m_target->textCursor().selectionStart();
        m_current = 0;
        for (int i = 0; i < m_matches.size(); ++i) {
            if (m_matches.at(i).position >= from) {
                m_current = i;
                break;
            }
        }
    }
    showMatches();
}

void FindBar::step(int direction) {
    if (!isOpen())
        open();
    if (m_matches.isEmpty())
        return;
    const int count = static_cast<int>(m_matches.size());
    m_current = (m_current + direction + count) % count;
    showMatches();
}

void FindBar::showMatches() {
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(m_matches.size());
    for (int i = 0; i < m_matches.size(); ++i) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_target->document());
        selection.cursor.setPosition(m_matches.at(i).position);
        selection.cursor.setPosition(m_matches.at(i).position + m_matches.at(i).length,
                                     QTextCursor::KeepAnchor);
        selection.format.setBackground(i == m_current ? kCurrentColour : kMatchColour);
        selections.append(selection);
    }
    m_target->setExtraSelections(selections);
    if (m_current >= 0) {
        // Move the (hidden) caret there so that the view scrolls to it; the
        // selection stays empty, or it would cover the current match's colour.
        QTextCursor caret(m_target->document());
        caret.setPosition(m_matches.at(m_current).position + m_matches.at(m_current).length);
        m_target->setTextCursor(caret);
        m_target->ensureCursorVisible();
    }
    const bool missing = !query().isEmpty() && m_matches.isEmpty();
    m_box->setStyleSheet(missing ? QStringLiteral("QLineEdit { background: #f7c8c8; }")
                                 : QString());
    m_count->setText(countText());
    m_previous->setEnabled(m_matches.size() > 1);
    m_next->setEnabled(m_matches.size() > 1);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lexora::textview
