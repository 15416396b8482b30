// Building WHERE-clause conditions from search criteria, per dialect.
#include "dbroutines/clsDBcond.h"

#include "dbroutines/DateLiterals.h"
#include "dbroutines/LibraryState.h"
#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"
#include "routines/clsString.h"

#include <QStringList>

namespace dvDBrtns4 {

namespace {

using dvRtns4::clsString;

QString quoted(const QString& item) {
    return clsString::FixQuotes(item);
}

QString upcasedField(const QString& field, enum_DBtype type) {
    switch (type) {
    case db_Access:
        return QStringLiteral("UCASE(") + field + u')';
    case db_Oracle:
        return QStringLiteral("UPPER(") + field + u')';
    default:
        return field;
    }
}

// field LIKE pattern for each non-empty item, joined, wrapped as " (...) ".
QString likeCondition(const QString& field, const QStringList& items, const QString& joiner,
                      bool contains) {
    QString text;
    for (const QString& item : items) {
        if (item.isEmpty())
            continue;
        const QString pattern = contains ? u'%' + item + u'%' : item + u'%';
        text += field + QStringLiteral(" LIKE ") + quoted(pattern) + joiner;
    }
    if (text.isEmpty())
        return {};
    // Dropping four characters of the five-character joiner leaves one blank.
    return QStringLiteral(" (") + clsString::DelStrRight(text, 4) + QStringLiteral(") ");
}

QString equalCondition(const QString& field, const QStringList& items, bool splitAtPlus, bool dates,
                       const QString& joiner) {
    if (dates)
        return items.first().isEmpty() ? QString() : field + u'=' + items.first();
    if (items.size() == 1)
        return items.first().isEmpty() ? QString() : field + u'=' + quoted(items.first());
    if (!splitAtPlus) {
        QStringList list;
        for (const QString& item : items)
            if (!item.isEmpty())
                list << quoted(item);
        if (list.isEmpty())
            return {};
        return QStringLiteral(" (") + field + QStringLiteral(" IN (") + list.join(u',') +
               QStringLiteral("))");
    }
    QString text;
    for (const QString& item : items)
        if (!item.isEmpty())
            text += field + u'=' + quoted(item) + joiner;
    if (text.isEmpty())
        return {};
    return QStringLiteral(" (") + clsString::DelStrRight(text, 4) + QStringLiteral(") ");
}

} // namespace

QString clsDBcond::BuildCond(const QString& field, const QString& values, enum_operator eOper,
                             bool bNot, bool bUpcaseField, enum_upcase eUpcaseValues,
                             const QString& dateFormat) {
    const bool numeric = dateFormat.compare(QStringLiteral("NUM"), Qt::CaseInsensitive) == 0;
    const bool text = dateFormat.compare(QStringLiteral("STR"), Qt::CaseInsensitive) == 0;
    const enum_DBtype type = currentDBType();

    QString condition;
    if (eOper == opIsNULL) {
        condition = field + QStringLiteral(" IS NULL");
        if (numeric)
            condition = u'(' + condition + QStringLiteral(" OR ") + field + QStringLiteral("=0)");
        else if (text)
            condition = u'(' + condition + QStringLiteral(" OR ") + field + QStringLiteral("='')");
    } else {
        const QString pattern = numeric || text ? QString() : dateFormat;
        QString all = dvRtns4::trimSpaces(values);
        if (all.isEmpty())
            return {};

        const QString target = bUpcaseField ? upcasedField(field, type) : field;
        if (type != db_SQLServer) {
            if (eUpcaseValues == upcaseENGL)
                all = dvRtns4::upperCase(all);
            else if (eUpcaseValues == upcaseGREEK)
                all = clsString::UCaseGreek(all);
        }

        const bool splitAtPlus = all.contains(u'+');
        const QString joiner = splitAtPlus ? QStringLiteral(" AND ") : QStringLiteral(" OR  ");
        QStringList items = all.split(splitAtPlus ? u'+' : u',');
        for (QString& item : items) {
            item = dvRtns4::trimSpaces(item);
            // An empty item stays empty, so that it still counts as missing below.
            if (!pattern.isEmpty() && !item.isEmpty())
                item = dateLiteral(type, item, pattern);
        }
        const bool dates = !pattern.isEmpty();
        const auto literal = [&](const QString& item) { return dates ? item : quoted(item); };

        switch (eOper) {
        case opEqual:
            condition = equalCondition(target, items, splitAtPlus, dates, joiner);
            break;
        case opStarts:
        case opContains:
            condition = likeCondition(target, items, joiner, eOper == opContains);
            break;
        case opGreaterOrEqual:
        case opLessOrEqual:
            if (!items.first().isEmpty())
                condition =
                    target +
                    (eOper == opGreaterOrEqual ? QStringLiteral(">=") : QStringLiteral("<=")) +
                    literal(items.first());
            break;
        case opBetween:
            if (items.size() < 2)
                throw dvRtns4::RoutineError::subscriptOutOfRange();
            if (!items.at(0).isEmpty() && !items.at(1).isEmpty())
                condition = target + QStringLiteral(" BETWEEN ") + literal(items.at(0)) +
                            QStringLiteral(" AND ") + literal(items.at(1));
            break;
        default:
            break;
        }
    }

    if (bNot && !condition.isEmpty())
        return QStringLiteral("NOT (") + condition + u')';
    return condition;
}

QString clsDBcond::BuildCond_Dates(const QString& field, const QString& dt1, const QString& dt2,
                                   enum_operator eOper, const QString& dateFormat) {
    const enum_DBtype type = currentDBType();
    if (type != db_SQLServer && type != db_Access && type != db_Oracle)
        return {};

    const auto literal = [&](const QString& date) { return dateLiteral(type, date, dateFormat); };
    QString condition;
    if (!dt1.isEmpty() && !dt2.isEmpty()) {
        condition = field + QStringLiteral(" BETWEEN ") + literal(dt1) + QStringLiteral(" AND ") +
                    literal(dt2);
    } else if (!dt1.isEmpty() || !dt2.isEmpty()) {
        const bool first = !dt1.isEmpty();
        QString sign;
        switch (eOper) {
        case opEqual:
            sign = QStringLiteral("=");
            break;
        case opGreaterOrEqual:
            sign = QStringLiteral(">=");
            break;
        case opLessOrEqual:
            sign = QStringLiteral("<=");
            break;
        case opNone:
            sign = first ? QStringLiteral(">=") : QStringLiteral("<=");
            break;
        default:
            // No comparison sign belongs to the other operators.
            throw dvRtns4::RoutineError::invalidArgument();
        }
        condition = field + sign + literal(first ? dt1 : dt2);
    }
    if (condition.isEmpty())
        return {};
    return QStringLiteral(" (") + condition + QStringLiteral(") ");
}

} // namespace dvDBrtns4
