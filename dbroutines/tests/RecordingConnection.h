// A connection that records every statement it is sent and answers from a
// script: a statement can be answered with the rows of another statement,
// run on a scratch database, or with an engine error. Stands in for the SQL
// Server and Oracle servers, which this platform does not have.
#pragma once

#include "engine/Connection.h"
#include "engine/StatementRunner.h"
#include "tests/support/FixtureDatabase.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace dbtest {

class RecordingConnection final : public engine::StatementRunner {
public:
    struct Call {
        QString sql;
        engine::CursorType cursor;
        engine::LockType lock;
    };

    RecordingConnection() { m_scratch.open(engine::connectionTextFor(m_database.path(), {})); }

    // Answers `statement` with the rows of `rowsSql` (SQLite), e.g.
    // "SELECT 42 AS NewID".
    void answer(const QString& statement, const QString& rowsSql) {
        m_answers[statement] = rowsSql;
    }
    void fail(const QString& statement, int number, const QString& description) {
        m_failures[statement] = {number, description};
    }

    engine::Recordset execute(const QString& statement) override {
        return openRecordset(statement, engine::CursorType::ForwardOnly);
    }
    engine::Recordset openRecordset(const QString& statement,
                                    engine::CursorType cursor = engine::CursorType::Static,
                                    engine::LockType lock = engine::LockType::ReadOnly,
                                    engine::CommandType = engine::CommandType::Text) override {
        calls.push_back({statement, cursor, lock});
        if (const auto f = m_failures.find(statement); f != m_failures.end())
            throw engine::EngineError(f->second.first, f->second.second);
        if (const auto a = m_answers.find(statement); a != m_answers.end())
            return m_scratch.openRecordset(a->second, engine::CursorType::Static);
        return m_scratch.execute(QStringLiteral("SELECT 1 WHERE 0")); // no rows
    }
    int commandTimeout() const override { return 30; }

    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (const Call& c : calls)
            out.push_back(c.sql);
        return out;
    }

    std::vector<Call> calls;

private:
    testsupport::FixtureDatabase m_database;
    engine::Connection m_scratch;
    std::map<QString, QString> m_answers;
    std::map<QString, std::pair<int, QString>> m_failures;
};

} // namespace dbtest
