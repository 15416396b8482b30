// clsArray: searches in one- and two-dimensional arrays with their bounds.
#include "routines/RoutineError.h"
#include "routines/clsArray.h"

#include <gtest/gtest.h>

using dvRtns4::Array1;
using dvRtns4::Array2;
using dvRtns4::clsArray;
using dvRtns4::RoutineError;

namespace {

TEST(clsArray, FindsTextsExactlyOrByContent) {
    const Array1<QString> cities({"Patras", "Athens", "athens", "Λάρισα"}, 1);
    const struct {
        const char* str;
        bool contains;
        qint16 start;
        qint32 index;
    } cases[] = {
        {"athens", false, 1, 3}, // indexes in the array's own numbering
        {"Athens", false, 1, 2},
        {"ATHENS", false, 1, -1}, // case-sensitive
        {"ath", false, 1, -1},    // a part is not equal
        {"ath", true, 1, 3},
        {"ath", true, 2, -1}, // from the second character on, «athens» no
                              // longer holds it
        {"thens", true, 2, 2},
        {"ρισα", true, 3, 4},
        {"ρισα", true, 4, -1},
        {"", true, 1, 1}, // an empty text is held by any element
        {"x", true, 1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.str) + " from " + std::to_string(c.start));
        EXPECT_EQ(clsArray::StrArray1_Index(QString::fromUtf8(c.str), cities, c.contains, c.start),
                  c.index);
    }
    EXPECT_EQ(clsArray::StrArray1_Index(QStringLiteral("a"), Array1<QString>()), -1);
    EXPECT_THROW(clsArray::StrArray1_Index(QStringLiteral("a"), cities, true, 0), RoutineError);
}

TEST(clsArray, FindsNumbersAcrossTheWholeRange) {
    const Array1<qint32> numbers({7, -3, 7, 40000}, -2);
    EXPECT_EQ(clsArray::LongArray1_Index(7, numbers), -2);
    EXPECT_EQ(clsArray::LongArray1_Index(-3, numbers), -1);
    EXPECT_EQ(clsArray::LongArray1_Index(40000, numbers), 1);
    EXPECT_EQ(clsArray::LongArray1_Index(8, numbers), -1);
    EXPECT_EQ(clsArray::LongArray1_Index(0, Array1<qint32>()), -1);

    // Beyond the 16-bit range of indexes.
    QList<qint32> many(40000, 0);
    many.last() = 5;
    EXPECT_EQ(clsArray::LongArray1_Index(5, Array1<qint32>(many)), 39999);
}

TEST(clsArray, TwoDimensionalSearchesLookInTheChosenColumn) {
    // Columns along the first dimension, rows along the second.
    Array2<QString> table(0, 1, 1, 3);
    const char* cells[2][3] = {{"5", "12", "7"}, {"Patras", "Athens", "12"}};
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 3; ++row)
            table(column, row + 1) = QString::fromUtf8(cells[column][row]);
    const struct {
        const char* str;
        qint16 column;
        qint32 row;
    } cases[] = {
        {"12", 0, 2}, {"12", 1, 3}, {"Athens", 1, 2}, {"Athens", 0, -1}, {"athens", 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsArray::StrArrayN_Index(QString::fromUtf8(c.str), table, c.column), c.row)
            << c.str;
    EXPECT_THROW(clsArray::StrArrayN_Index(QStringLiteral("12"), table, 2), RoutineError);

    Array2<qint32> ids(1, 2, 1, 2); // rows start at 1
    ids(1, 1) = 10;
    ids(2, 1) = 20;
    ids(1, 2) = 30;
    ids(2, 2) = 10;
    EXPECT_EQ(clsArray::LongArrayN_Index(10, ids, 1), 1);
    EXPECT_EQ(clsArray::LongArrayN_Index(10, ids, 2), 2);
    EXPECT_EQ(clsArray::LongArrayN_Index(20, ids, 1), -1);
    EXPECT_THROW(clsArray::LongArrayN_Index(10, ids, 0), RoutineError);
    EXPECT_THROW(clsArray::LongArrayN_Index(10, Array2<qint32>(), 0), RoutineError); // no columns
}

} // namespace
