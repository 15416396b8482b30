// The cache of prepared statements: reuse of an idle statement, a fresh one
// for a text already in use, the least recently used let go at capacity,
// and a statement handed back reset to its first row.
#include "StatementCache.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using engine::detail::Prepared;
using engine::detail::StatementCache;

namespace {

class StatementCacheTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK); }
    void TearDown() override { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

const QString kOne = QStringLiteral("SELECT 1");
const QString kTwo = QStringLiteral("SELECT 2");
const QString kThree = QStringLiteral("SELECT 3");
const QString kLonger = QStringLiteral("SELECT 10");

} // namespace

TEST_F(StatementCacheTest, ReusesAnIdleStatementOfTheSameTextOnly) {
    StatementCache cache(db, 4);
    auto one = cache.acquire(kOne);
    const Prepared* first = one.get();
    // In use: the same text again gets a statement of its own.
    auto nested = cache.acquire(kOne);
    EXPECT_NE(nested.get(), first);
    cache.release(std::move(nested));
    cache.release(std::move(one));
    EXPECT_EQ(cache.idleCount(), 2u);

    // The most recently released comes back first; other texts, of the same
    // length or not, never take it.
    EXPECT_EQ(cache.acquire(kOne).get(), first);
    auto two = cache.acquire(kTwo);
    EXPECT_EQ(two->sql, kTwo);
    auto longer = cache.acquire(kLonger);
    EXPECT_EQ(longer->sql, kLonger);
    EXPECT_EQ(cache.idleCount(), 1u);
}

TEST_F(StatementCacheTest, LetsGoOfTheLeastRecentlyUsedAtCapacity) {
    StatementCache cache(db, 2);
    auto one = cache.acquire(kOne);
    auto two = cache.acquire(kTwo);
    auto three = cache.acquire(kThree);
    const Prepared* keptTwo = two.get();
    const Prepared* keptThree = three.get();
    cache.release(std::move(one));
    cache.release(std::move(two));
    cache.release(std::move(three)); // "SELECT 1" goes
    EXPECT_EQ(cache.idleCount(), 2u);
    EXPECT_EQ(cache.acquire(kTwo).get(), keptTwo);
    EXPECT_EQ(cache.acquire(kThree).get(), keptThree);
    EXPECT_EQ(cache.idleCount(), 0u);
    auto again = cache.acquire(kOne); // prepared anew
    EXPECT_EQ(again->sql, kOne);

    StatementCache none(db, 0);
    none.release(none.acquire(kOne));
    EXPECT_EQ(none.idleCount(), 0u);
}

TEST_F(StatementCacheTest, HandsBackAStatementFromItsFirstRowWithoutBindings) {
    StatementCache cache(db);
    const QString sql = QStringLiteral("SELECT value FROM (SELECT 1 AS value UNION ALL SELECT 2) "
                                       "WHERE value >= coalesce(?, 1) ORDER BY value");
    auto stepped = cache.acquire(sql);
    sqlite3_bind_int(stepped->stmt, 1, 2);
    ASSERT_EQ(sqlite3_step(stepped->stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(stepped->stmt, 0), 2);
    cache.release(std::move(stepped));

    auto again = cache.acquire(sql);
    ASSERT_EQ(sqlite3_step(again->stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(again->stmt, 0), 1); // the binding is gone
}
