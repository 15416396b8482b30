// Readable failure messages for Qt values in every test: gtest prints
// QString and QStringList as UTF-8 text instead of raw bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *os << '}';
}

inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << "QByteArray(" << b.size() << " bytes)";
}
