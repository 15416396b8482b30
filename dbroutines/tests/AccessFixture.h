// A test over a small SQLite database of its own, opened through the engine,
// with the library initialised for Access and its state reset around it.
#pragma once

#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "engine/Connection.h"
#include "engine/StatementRunner.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

namespace dbtest {

class AccessFixture : public testing::Test {
protected:
    explicit AccessFixture(const char* fillSql) : db(QString::fromUtf8(fillSql)) {}
    void SetUp() override {
        dvDBrtns4::resetLibraryState();
        dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access);
        connection.open(engine::connectionTextFor(db.path(), {}));
    }
    void TearDown() override { dvDBrtns4::resetLibraryState(); }

    testsupport::FixtureDatabase db;
    engine::Connection connection;
    engine::ConnectionRunner conn{connection}; // as the routines borrow it
};

} // namespace dbtest
