// A value as the routines and the database layer pass it around: it tells a
// value that was never assigned (Empty) from a database null (Null), and
// otherwise carries a Boolean, an integer, a floating number, a text, a date
// or raw bytes. Conversions to text follow the program's default forms.
#pragma once

#include "dvRtns4Export.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

namespace dvRtns4 {

class DVRTNS4_EXPORT Variant {
public:
    enum class Kind { Empty, Null, Boolean, Integer, Double, Text, Date, Bytes };

    Variant() = default; // Empty
    static Variant null();
    Variant(bool b) : m_value(b) {}
    Variant(int i) : m_value(std::int64_t{i}) {}
    Variant(std::int64_t i) : m_value(i) {}
    Variant(double d) : m_value(d) {}
    Variant(const QString& s) : m_value(s) {}
    Variant(const char* utf8) : m_value(QString::fromUtf8(utf8)) {}
    Variant(const QDateTime& d) : m_value(d) {}
    Variant(const QByteArray& b) : m_value(b) {}

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isNull() const { return kind() == Kind::Null; }
    // Empty or Null: nothing to show.
    bool isMissing() const { return isEmpty() || isNull(); }

    // Text form: Empty and Null give "", Booleans "True"/"False", numbers in
    // plain decimal, dates as dd/MM/yyyy (with the time when it is not midnight).
    QString toString() const;
    // Numeric value: Booleans give -1/0 as the original platform did, texts
    // their leading number, Empty and Null 0.
    std::int64_t toInt() const;
    double toDouble() const;
    bool toBool() const;
    QDateTime toDateTime() const;
    QByteArray toBytes() const;

    bool operator==(const Variant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    explicit Variant(NullTag t) : m_value(t) {}
    std::variant<std::monostate, NullTag, bool, std::int64_t, double, QString, QDateTime,
                 QByteArray>
        m_value;
};

} // namespace dvRtns4
