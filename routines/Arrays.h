// Arrays as the routines take them: one or two dimensions, each with its own
// lower bound (0 unless said otherwise) and an inclusive upper bound. An
// element outside the bounds raises RoutineError 9 (subscript out of range).
#pragma once

#include "RoutineError.h"

#include <QList>
#include <QString>

#include <utility>

namespace dvRtns4 {

template <typename T> class Array1 {
public:
    Array1() = default;
    Array1(QList<T> items, qint32 lowerBound = 0) // NOLINT: a list is an array from 0
        : m_lower(lowerBound), m_items(std::move(items)) {}
    Array1(std::initializer_list<T> items) : m_items(items) {}

    qint32 LBound() const { return m_lower; }
    qint32 UBound() const { return m_lower + static_cast<qint32>(m_items.size()) - 1; }

    const T& operator()(qint32 index) const { return m_items.at(offset(index)); }
    T& operator()(qint32 index) { return m_items[offset(index)]; }

private:
    qsizetype offset(qint32 index) const {
        if (index < m_lower || index > UBound())
            throw RoutineError::subscriptOutOfRange();
        return static_cast<qsizetype>(index) - m_lower;
    }

    qint32 m_lower = 0;
    QList<T> m_items;
};

// Element (i, j): i runs along the first dimension (the columns of the
// routines), j along the second (the rows).
template <typename T> class Array2 {
public:
    Array2() = default;
    Array2(qint32 lower1, qint32 upper1, qint32 lower2, qint32 upper2)
        : m_lower{lower1, lower2}, m_upper{upper1, upper2},
          m_items(upper1 < lower1 || upper2 < lower2
                      ? 0
                      : qsizetype(upper1 - lower1 + 1) * qsizetype(upper2 - lower2 + 1)) {}
    // Bounds 0 .. upper in both dimensions.
    Array2(qint32 upper1, qint32 upper2) : Array2(0, upper1, 0, upper2) {}

    // dimension 1 or 2; another raises RoutineError 9.
    qint32 LBound(int dimension = 1) const { return m_lower[slot(dimension)]; }
    qint32 UBound(int dimension = 1) const { return m_upper[slot(dimension)]; }

    const T& operator()(qint32 i, qint32 j) const { return m_items.at(offset(i, j)); }
    T& operator()(qint32 i, qint32 j) { return m_items[offset(i, j)]; }

private:
    static int slot(int dimension) {
        if (dimension != 1 && dimension != 2)
            throw RoutineError::subscriptOutOfRange();
        return dimension - 1;
    }
    qsizetype offset(qint32 i, qint32 j) const {
        if (i < m_lower[0] || i > m_upper[0] || j < m_lower[1] || j > m_upper[1])
            throw RoutineError::subscriptOutOfRange();
        const qsizetype width = qsizetype(m_upper[0]) - m_lower[0] + 1;
        return (qsizetype(j) - m_lower[1]) * width + (qsizetype(i) - m_lower[0]);
    }

    qint32 m_lower[2] = {0, 0};
    qint32 m_upper[2] = {-1, -1};
    QList<T> m_items;
};

} // namespace dvRtns4
