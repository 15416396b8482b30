// The data-version probe on fixture databases.
#include "app/startup/DataVersion.h"
#include "app/startup/StartupServices.h"
#include "engine/Connection.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

using lexora::startup::DataVersionOK;

TEST(DataVersion, ProbeOfLawTypes) {
    const struct {
        const char* what;
        const char* fill;
        bool ok;
    } cases[] = {
        {"types present", "INSERT INTO LAWTYPE (type_id, descr) VALUES (1, 'Νόμοι');", true},
        {"no types: the maximum is null", "", true},
        {"no LAWTYPE", "DROP TABLE LAWTYPE;", false},
        {"LAWTYPE without TYPE_ID", "DROP TABLE LAWTYPE; CREATE TABLE LAWTYPE (descr TEXT);",
         false},
        {"LAWTYPE is a view", "DROP TABLE LAWTYPE; CREATE VIEW LAWTYPE AS SELECT 1 AS type_id;",
         true},
    };
    for (const auto& c : cases) {
        testsupport::FixtureDatabase fixture(QString::fromUtf8(c.fill));
        engine::Connection connection;
        connection.open(
            engine::connectionTextFor(fixture.path(), lexora::startup::kDatabasePassword),
            QStringLiteral("Admin"));
        EXPECT_EQ(DataVersionOK(connection), c.ok) << c.what;
    }
}

TEST(DataVersion, ClosedConnectionIsAWrongVersion) {
    engine::Connection connection;
    EXPECT_FALSE(DataVersionOK(connection));
}
