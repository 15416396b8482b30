// Typing any text, Greek included, into a widget as key presses carrying that
// text (the test library's own typing takes ASCII only).
#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

namespace testsupport {

inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace testsupport
