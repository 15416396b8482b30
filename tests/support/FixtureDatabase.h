// Small fixture databases for tests: the program's schema in a temporary
// folder, filled by the SQL a test gives.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class FixtureDatabase {
public:
    // Creates <tempdir>/edudata.mdb from the schema, then runs `fillSql`.
    explicit FixtureDatabase(const QString& fillSql = {});
    QString folder() const { return m_dir.path(); }
    QString path() const { return m_dir.path() + QStringLiteral("/edudata.mdb"); }
    // Runs more SQL on the file (outside any open connection).
    void exec(const QString& sql) const;
    // Stores bytes into a binary column of one row.
    void setBlob(const QString& table, const QString& column, const QString& where,
                 const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

QString readTextFile(const QString& path);

} // namespace testsupport
