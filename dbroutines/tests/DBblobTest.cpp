// Copying files into a binary field and back through the engine, across the
// piece boundaries, and the failures that must leave no file behind.
#include "dbroutines/LibraryState.h"
#include "dbroutines/clsDBInit.h"
#include "dbroutines/clsDBblob.h"
#include "dbroutines/clsDBrtns.h"
#include "dbroutines/tests/AccessFixture.h"
#include "engine/Connection.h"
#include "tests/support/FixtureDatabase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace dvDBrtns4;

namespace {

class BlobTest : public dbtest::AccessFixture {
protected:
    BlobTest()
        : AccessFixture("CREATE TABLE docs (id INTEGER PRIMARY KEY, doc BLOB);"
                        "INSERT INTO docs VALUES (1, NULL), (2, NULL), (3, x'');") {}

    QString file(const QString& name) const { return files.filePath(name); }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Bytes that differ from piece to piece, so that a piece out of place shows.
    static QByteArray pattern(qint64 size) {
        QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>((i * 7 + i / 16000) & 0xff);
        return bytes;
    }
    QByteArray stored(int id) {
        engine::Recordset rs =
            conn.execute(QStringLiteral("SELECT doc FROM docs WHERE id = %1").arg(id));
        return rs.field(0).value().toBytes();
    }
    qint32 errorNumber() const { return lastDBError().number; }

    QTemporaryDir files;
    clsDBblob blob;
};

} // namespace

TEST_F(BlobTest, RoundTripsAcrossPieceBoundaries) {
    // One byte, a remainder only, exactly one piece, one piece and a byte,
    // an empty first piece before two full ones, a remainder before two.
    for (const qint64 size : {1, 15999, 16000, 16001, 32000, 40000}) {
        SCOPED_TRACE(size);
        const QByteArray bytes = pattern(size);
        ASSERT_TRUE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                                  QStringLiteral("id = 1"),
                                  writeFile(QStringLiteral("in"), bytes)));
        EXPECT_EQ(stored(1), bytes);
        ASSERT_TRUE(blob.ReadBLOB(
            conn, QStringLiteral("docs"), QStringLiteral("doc"), QStringLiteral("id = 1"),
            QStringLiteral("  ") + file(QStringLiteral("out")) + QStringLiteral(" ")));
        EXPECT_EQ(readFile(file(QStringLiteral("out"))), bytes);
    }
    EXPECT_TRUE(stored(2).isEmpty()); // the other rows are untouched
    EXPECT_EQ(errorNumber(), 0);
    // Only the target is left in the folder: no temporary file.
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("in"), QStringLiteral("out")}));
}

TEST_F(BlobTest, ReadOutReplacesALongerFile) {
    const QString target = writeFile(QStringLiteral("out"), pattern(50000));
    ASSERT_TRUE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                              QStringLiteral("id = 2"), writeFile(QStringLiteral("in"), "short")));
    ASSERT_TRUE(blob.ReadBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                              QStringLiteral("id = 2"), target));
    EXPECT_EQ(readFile(target), QByteArray("short"));
}

TEST_F(BlobTest, LargeFileRoundTrips) {
    const QByteArray bytes = pattern(50 * 1024 * 1024 + 123);
    const QString source = writeFile(QStringLiteral("big"), bytes);
    ASSERT_TRUE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                              QStringLiteral("id = 1"), source));
    ASSERT_TRUE(blob.ReadBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                              QStringLiteral("id = 1"), file(QStringLiteral("big.out"))));
    EXPECT_TRUE(readFile(file(QStringLiteral("big.out"))) == bytes);
}

TEST_F(BlobTest, NothingToStoreIsFalseWithoutAnError) {
    EXPECT_FALSE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                               QStringLiteral("id = 1"), QString()));
    EXPECT_FALSE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                               QStringLiteral("id = 1"), writeFile(QStringLiteral("empty"), {})));
    EXPECT_EQ(errorNumber(), 0);
    EXPECT_TRUE(stored(1).isEmpty());
}

TEST_F(BlobTest, NothingToReadOutLeavesNoFileAndNoError) {
    const QString target = file(QStringLiteral("out"));
    // A null field, an empty one, a condition that selects no row.
    for (const char* where : {"id = 1", "id = 3", "id = 99"}) {
        SCOPED_TRACE(where);
        EXPECT_FALSE(blob.ReadBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                                   QString::fromUtf8(where), target));
        EXPECT_FALSE(QFile::exists(target));
    }
    // An existing file is not destroyed by a read-out that has nothing.
    writeFile(QStringLiteral("out"), "keep");
    EXPECT_FALSE(blob.ReadBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                               QStringLiteral("id = 1"), target));
    EXPECT_EQ(readFile(target), QByteArray("keep"));
    EXPECT_EQ(errorNumber(), 0);
    EXPECT_TRUE(QDir(files.path()).entryList(QDir::Files) == QStringList{QStringLiteral("out")});
}

TEST_F(BlobTest, FailuresAreRecordedWithTheFileName) {
    const QString missing = file(QStringLiteral("missing.doc"));
    const QString unwritable = file(QStringLiteral("no/such/folder/out.doc"));
    const QString source = writeFile(QStringLiteral("in"), pattern(20000));
    struct Case {
        const char* what;
        std::function<bool()> call;
        qint32 number;
        QString source;
    };
    const Case cases[] = {
        {"missing source file",
         [&] {
             return blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                                  QStringLiteral("id = 1"), missing);
         },
         53, QStringLiteral("SaveBLOB from: ") + missing + QStringLiteral(" > dvDBrtns4")},
        {"no row to store into",
         [&] {
             return blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                                  QStringLiteral("id = 99"), source);
         },
         3021,
         QStringLiteral("SaveBLOB from: ") + source + QStringLiteral(" > Lexora database engine")},
        {"no such field",
         [&] {
             return blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("nofield"),
                                  QStringLiteral("id = 1"), source);
         },
         3000,
         QStringLiteral("SaveBLOB from: ") + source + QStringLiteral(" > Lexora database engine")},
        {"unwritable target",
         [&] {
             return blob.ReadBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                                  QStringLiteral("id = 2"), unwritable);
         },
         76, QStringLiteral("ReadBLOB to: ") + unwritable + QStringLiteral(" > dvDBrtns4")},
    };
    ASSERT_TRUE(blob.SaveBLOB(conn, QStringLiteral("docs"), QStringLiteral("doc"),
                              QStringLiteral("id = 2"), source));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetLibraryState();
        clsDBInit::DravikDBrtns_Init(db_Access);
        EXPECT_FALSE(c.call());
        const DBErrorRecord e = lastDBError();
        EXPECT_EQ(e.number, c.number);
        EXPECT_EQ(e.source, c.source);
        EXPECT_FALSE(e.description.isEmpty());
    }
    EXPECT_TRUE(stored(1).isEmpty());
    EXPECT_FALSE(QFile::exists(unwritable));
}
