#include "routines/Variant.h"

#include <cmath>

namespace dvRtns4 {

Variant Variant::null() {
    return Variant(NullTag{});
}

Variant::Kind Variant::kind() const {
    return static_cast<Kind>(m_value.index());
}

QString Variant::toString() const {
    switch (kind()) {
    case Kind::Empty:
    case Kind::Null:
        return {};
    case Kind::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Integer:
        return QString::number(std::get<std::int64_t>(m_value));
    case Kind::Double: {
        const double d = std::get<double>(m_value);
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<std::int64_t>(d));
        return QString::number(d, 'g', 15);
    }
    case Kind::Text:
        return std::get<QString>(m_value);
    case Kind::Date: {
        const QDateTime& dt = std::get<QDateTime>(m_value);
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    case Kind::Bytes:
        return QString::fromUtf8(std::get<QByteArray>(m_value));
    }
    return {};
}

std::int64_t Variant::toInt() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1 : 0;
    case Kind::Integer:
        return std::get<std::int64_t>(m_value);
    case Kind::Double:
        return static_cast<std::int64_t>(std::llround(std::get<double>(m_value)));
    case Kind::Text: {
        const QString s = std::get<QString>(m_value).trimmed();
        qsizetype end = 0;
        if (end < s.size() && (s[end] == u'-' || s[end] == u'+'))
            ++end;
        while (end < s.size() && s[end].isDigit())
            ++end;
        bool ok = false;
        const std::int64_t v = s.left(end).toLongLong(&ok);
        return ok ? v : 0;
    }
    default:
        return 0;
    }
}

double Variant::toDouble() const {
    switch (kind()) {
    case Kind::Double:
        return std::get<double>(m_value);
    case Kind::Text: {
        bool ok = false;
        const double d = std::get<QString>(m_value).trimmed().toDouble(&ok);
        return ok ? d : static_cast<double>(toInt());
    }
    default:
        return static_cast<double>(toInt());
    }
}

bool Variant::toBool() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(m_value);
    case Kind::Text: {
        const QString s = std::get<QString>(m_value).trimmed();
        if (s.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return true;
        return toInt() != 0;
    }
    default:
        return toDouble() != 0.0;
    }
}

QDateTime Variant::toDateTime() const {
    switch (kind()) {
    case Kind::Date:
        return std::get<QDateTime>(m_value);
    case Kind::Text: {
        const QString s = std::get<QString>(m_value).trimmed();
        for (const char* fmt : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd",
                                "dd/MM/yyyy HH:mm:ss", "dd/MM/yyyy", "d/M/yyyy"}) {
            const QDateTime dt = QDateTime::fromString(s, QString::fromLatin1(fmt));
            if (dt.isValid())
                return dt;
        }
        return {};
    }
    default:
        return {};
    }
}

QByteArray Variant::toBytes() const {
    if (kind() == Kind::Bytes)
        return std::get<QByteArray>(m_value);
    return toString().toUtf8();
}

bool Variant::operator==(const Variant& other) const {
    return m_value == other.m_value;
}

} // namespace dvRtns4
