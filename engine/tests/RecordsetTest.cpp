// Reading results: value kinds (Empty against Null), names without regard to
// letter case, binary values in pieces, nested results, counts and the
// errors of reading where there is no row or no result.
#include "engine/tests/EngineFixture.h"

#include <gtest/gtest.h>

namespace {

using dvRtns4::Variant;
using engine::CursorType;
using engine::EngineError;
namespace errors = engine::errors;

class RecordsetTest : public testing::Test {
protected:
    void SetUp() override { enginetest::openOn(connection, db); }

    int errorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const EngineError& e) {
            return e.number();
        }
        return 0;
    }

    testsupport::FixtureDatabase db{QString::fromUtf8(enginetest::FillSql)};
    engine::Connection connection;
};

TEST_F(RecordsetTest, ValuesComeOutByKind) {
    engine::Recordset rs = connection.openRecordset(
        QStringLiteral("SELECT law_id, law_code, law.descr, issue_date, 2.5 AS half, LAWTYPE_SHOW "
                       "FROM law, LAWTYPE WHERE law.type_id = LAWTYPE.type_id AND law_id = 101"));
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.value(QStringLiteral("law_id")).kind(), Variant::Kind::Integer);
    EXPECT_EQ(rs.value(QStringLiteral("law_id")).toInt(), 101);
    EXPECT_EQ(rs.value(QStringLiteral("law_code")), Variant(QStringLiteral("Ν.1566/85")));
    EXPECT_EQ(rs.value(QStringLiteral("half")), Variant(2.5));
    EXPECT_EQ(rs.value(QStringLiteral("LAWTYPE_SHOW")), Variant(false));
    // A database null is Null, never Empty.
    const Variant descr = rs.value(QStringLiteral("descr"));
    EXPECT_TRUE(descr.isNull());
    EXPECT_FALSE(descr.isEmpty());
    EXPECT_TRUE(rs.field(QStringLiteral("issue_date")).isNull());
    EXPECT_FALSE(rs.field(QStringLiteral("law_code")).isNull());

    engine::Recordset dated =
        connection.execute(QStringLiteral("SELECT issue_date FROM law WHERE law_id = 200"));
    EXPECT_EQ(dated.value(QStringLiteral("issue_date")),
              Variant(QDateTime(QDate(2003, 12, 25), QTime(0, 0))));
}

TEST_F(RecordsetTest, FieldsByNameIgnoreLetterCaseAndByPosition) {
    engine::Recordset rs =
        connection.execute(QStringLiteral("SELECT Schedule.Schedule_id, Schedule.descr as "
                                          "Schedule_descr FROM Schedule WHERE schedule_id = 2"));
    for (const char* name : {"Schedule_id", "schedule_id", "SCHEDULE_ID", "schedule_Id"})
        EXPECT_EQ(rs.value(QString::fromUtf8(name)).toInt(), 2) << name;
    EXPECT_EQ(rs.value(QStringLiteral("SCHEDULE_DESCR")).toString(), QStringLiteral("Τμήμα"));
    EXPECT_EQ(errorOf([&] { rs.field(QStringLiteral("Schedule_iD_")); }), errors::ItemNotFound);
    engine::Recordset greek = connection.execute(
        QStringLiteral("SELECT descr AS Όνομα, schedule_id AS όνομα2 FROM Schedule WHERE "
                       "schedule_id = 2"));
    for (const char* name : {"Όνομα", "όνομα", "ΌΝΟΜΑ"})
        EXPECT_EQ(greek.value(QString::fromUtf8(name)).toString(), QStringLiteral("Τμήμα")) << name;
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.field(1).name(), QStringLiteral("Schedule_descr"));
    EXPECT_EQ(rs.field(0).value().toInt(), 2);
    EXPECT_EQ(errorOf([&] { rs.field(QStringLiteral("descr")); }), errors::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.field(2); }), errors::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs.field(-1); }), errors::ItemNotFound);
}

TEST_F(RecordsetTest, ReadingPastTheEndOrAfterCloseFails) {
    engine::Recordset rs =
        connection.execute(QStringLiteral("SELECT topic_id FROM topic WHERE topic_id = 1"));
    engine::Field id = rs.field(QStringLiteral("topic_id"));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(errorOf([&] { id.value(); }), errors::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }), errors::NoCurrentRecord);
    EXPECT_EQ(id.name(), QStringLiteral("topic_id"));
    rs.close();
    EXPECT_FALSE(rs.isOpen());
    EXPECT_EQ(errorOf([&] { rs.field(0); }), errors::ObjectClosed);
    EXPECT_EQ(errorOf([&] { id.value(); }), errors::ObjectClosed);
    // A field that outlives its result fails cleanly.
    engine::Field orphan = [&] {
        engine::Recordset other = connection.execute(QStringLiteral("SELECT topic_id FROM topic"));
        return other.field(0);
    }();
    EXPECT_EQ(errorOf([&] { orphan.value(); }), errors::ObjectClosed);
    // Results of a closed connection are closed with it.
    engine::Recordset open = connection.execute(QStringLiteral("SELECT topic_id FROM topic"));
    connection.close();
    EXPECT_FALSE(open.isOpen());
    EXPECT_EQ(errorOf([&] { open.field(0).value(); }), errors::ObjectClosed);
}

TEST_F(RecordsetTest, CountsOfStaticAndKeysetResults) {
    const QString all = QStringLiteral("SELECT topic_id FROM topic ORDER BY topic_id");
    EXPECT_EQ(connection.openRecordset(all, CursorType::Static).recordCount(), 4);
    EXPECT_EQ(connection.openRecordset(all, CursorType::Keyset).recordCount(), 4);
    EXPECT_EQ(connection.openRecordset(all, CursorType::ForwardOnly).recordCount(), -1);
    EXPECT_EQ(connection.execute(all).recordCount(), -1);

    // The count does not disturb reading, before or after it.
    engine::Recordset rs = connection.openRecordset(
        QStringLiteral(
            " SELECT law.title, law.law_id  FROM law  WHERE law.law_id = 200 ORDER BY law.law_id "),
        CursorType::Keyset);
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("law_id")).toInt(), 200);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 1);

    engine::Recordset none = connection.openRecordset(
        QStringLiteral("SELECT topic_id FROM topic WHERE topic_id = 99"), CursorType::Static);
    EXPECT_TRUE(none.isOpen());
    EXPECT_TRUE(none.eof());
    EXPECT_TRUE(none.bof());
    EXPECT_EQ(none.recordCount(), 0);
}

TEST_F(RecordsetTest, MoveFirstReadsAgainFromTheStart) {
    engine::Recordset rs =
        connection.openRecordset(QStringLiteral("SELECT topic_id FROM topic ORDER BY topic_id"));
    rs.moveNext();
    rs.moveNext();
    EXPECT_EQ(rs.value(QStringLiteral("topic_id")).toInt(), 3);
    rs.moveFirst();
    EXPECT_FALSE(rs.bof());
    QStringList ids;
    for (; !rs.eof(); rs.moveNext())
        ids << rs.value(QStringLiteral("topic_id")).toString();
    EXPECT_EQ(ids.join(QLatin1Char(',')), QStringLiteral("1,2,3,4"));
    rs.moveFirst(); // from the end as well
    EXPECT_EQ(rs.value(QStringLiteral("topic_id")).toInt(), 1);
}

// The tree fill: a parent's result stays open while its children's
// statements run, among them the very same texts.
TEST_F(RecordsetTest, NestedResultsStayOpen) {
    std::function<QString(int)> fill = [&](int parent) {
        QString out;
        engine::Recordset children = connection.execute(
            QStringLiteral(
                "SELECT topic.topic_id, topic.descr  From topic Where topic_id_parent =  ") +
            QString::number(parent) +
            QStringLiteral(
                " ORDER BY order_flag_lev1 asc,order_flag_lev2 asc,order_flag_lev3 asc "));
        while (!children.eof()) {
            const int id = static_cast<int>(children.value(QStringLiteral("topic_id")).toInt());
            engine::Recordset count = connection.execute(
                QStringLiteral("SELECT count(*) as l_count  From topic Where topic_id_parent = ") +
                QString::number(id));
            const bool hasChildren = count.value(QStringLiteral("l_count")).toInt() > 0;
            count.close();
            out += QString::number(id);
            if (hasChildren)
                out += QLatin1Char('(') + fill(id) + QLatin1Char(')');
            out += QLatin1Char(' ');
            children.moveNext();
        }
        children.close();
        return out.trimmed();
    };
    EXPECT_EQ(fill(0), QStringLiteral("2 1(3 4)"));

    // Two open results of one text keep their own places.
    const QString text = QStringLiteral("SELECT topic_id FROM topic ORDER BY topic_id");
    engine::Recordset a = connection.execute(text);
    engine::Recordset b = connection.execute(text);
    b.moveNext();
    EXPECT_EQ(a.value(QStringLiteral("topic_id")).toInt(), 1);
    EXPECT_EQ(b.value(QStringLiteral("topic_id")).toInt(), 2);
    a.moveNext();
    a.moveNext();
    EXPECT_EQ(a.value(QStringLiteral("topic_id")).toInt(), 3);
    EXPECT_EQ(b.value(QStringLiteral("topic_id")).toInt(), 2);
}

TEST_F(RecordsetTest, UpdateWhileAResultIsOpenLandsWhenItCloses) {
    engine::Recordset open = connection.execute(QStringLiteral("SELECT topic_id FROM topic"));
    connection.execute(QStringLiteral(" UPDATE system_law_parameters SET sys_info_display = 1"));
    EXPECT_EQ(enginetest::columnOf(
                  connection, QStringLiteral("SELECT sys_info_display FROM system_law_parameters"),
                  QStringLiteral("sys_info_display")),
              QStringList{QStringLiteral("1")});
    open.close();
    engine::Connection other;
    enginetest::openOn(other, db);
    EXPECT_EQ(enginetest::columnOf(
                  other, QStringLiteral("SELECT sys_info_display FROM system_law_parameters"),
                  QStringLiteral("sys_info_display")),
              QStringList{QStringLiteral("1")});
}

QByteArray patterned(qint64 size) {
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[static_cast<qsizetype>(i)] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

struct ChunkCase {
    qint64 size;
    std::vector<qint64> pieces;   // sizes asked for, in order
    std::vector<qint64> expected; // sizes returned
};

TEST_F(RecordsetTest, BinaryValuesReadInPieces) {
    const ChunkCase cases[] = {
        {40000, {8000, 16000, 16000, 16000}, {8000, 16000, 16000, 0}},
        {32000, {0, 16000, 16000, 1}, {0, 16000, 16000, 0}},
        {16000, {16000, 16000}, {16000, 0}},
        {5, {2, 2, 2, 2}, {2, 2, 1, 0}},
        {0, {10}, {0}},
    };
    for (const ChunkCase& c : cases) {
        SCOPED_TRACE(c.size);
        const QByteArray stored = patterned(c.size);
        db.setBlob(QStringLiteral("law"), QStringLiteral("BlobBody"),
                   QStringLiteral("law_id = 200"), stored);
        engine::Recordset rs = connection.openRecordset(
            QStringLiteral("Select BlobBody, BlobType from Law where law_id = 200"),
            CursorType::Static);
        engine::Field body = rs.field(QStringLiteral("blobbody"));
        EXPECT_EQ(body.actualSize(), c.size);
        QByteArray read;
        for (std::size_t k = 0; k < c.pieces.size(); ++k) {
            const QByteArray piece = body.getChunk(c.pieces[k]);
            EXPECT_EQ(piece.size(), c.expected[k]) << "piece " << k;
            read += piece;
        }
        EXPECT_EQ(read, stored);
        EXPECT_EQ(rs.value(QStringLiteral("BlobBody")).toBytes(), stored);
    }
}

TEST_F(RecordsetTest, PiecesStartAgainOnEachRowAndNullHasNone) {
    db.setBlob(QStringLiteral("ScheduleAbstract"), QStringLiteral("BlobBody"),
               QStringLiteral("Abstract_id = 1"), QByteArray("abcdef"));
    db.exec(QStringLiteral("INSERT INTO ScheduleAbstract VALUES (2, 3, 'x', 2, NULL);"
                           "INSERT INTO ScheduleAbstract VALUES (3, 3, 'y', 3, x'0102');"));
    engine::Recordset rs = connection.openRecordset(
        QStringLiteral(
            "Select * from ScheduleAbstract Where ABSTRACT_ID In(1,2,3) ORDER BY Abstract_id"),
        CursorType::Keyset);
    engine::Field body = rs.field(QStringLiteral("BlobBody"));
    EXPECT_EQ(body.getChunk(4), QByteArray("abcd"));
    rs.moveNext();
    EXPECT_TRUE(body.isNull());
    EXPECT_EQ(body.actualSize(), 0);
    EXPECT_TRUE(body.getChunk(100).isEmpty());
    rs.moveNext();
    EXPECT_EQ(body.actualSize(), 2);
    EXPECT_EQ(body.getChunk(100), QByteArray("\x01\x02"));
}

// Storing a document the way the binary transfer routine does: pieces
// appended to the field of an updatable result, then saved.
TEST_F(RecordsetTest, UpdatableResultStoresAppendedPieces) {
    const QByteArray document = patterned(40000);
    {
        engine::Recordset rs =
            connection.openRecordset(QStringLiteral("SELECT BlobBody FROM law WHERE law_id = 201"),
                                     CursorType::Dynamic, engine::LockType::Pessimistic);
        ASSERT_TRUE(rs.isUpdatable());
        EXPECT_EQ(rs.fieldCount(), 1); // the row id it carries is not a field
        EXPECT_EQ(errorOf([&] { rs.field(QStringLiteral("law_id")); }), errors::ItemNotFound);
        engine::Field body = rs.field(QStringLiteral("BlobBody"));
        body.appendChunk(document.left(8000));
        body.appendChunk(document.mid(8000, 16000));
        body.appendChunk(document.mid(24000));
        EXPECT_EQ(body.actualSize(), 40000);
        rs.update();
        rs.close();
    }
    {
        // A second store replaces the value; leaving the row saves it.
        engine::Recordset rs = connection.openRecordset(
            QStringLiteral(
                "SELECT BlobBody, law_id FROM law WHERE law_id In(201, 200) ORDER BY law_id DESC"),
            CursorType::Dynamic, engine::LockType::Optimistic);
        rs.field(0).appendChunk(document.left(10));
        rs.moveNext();
        EXPECT_EQ(rs.value(QStringLiteral("law_id")).toInt(), 200);
        rs.field(0).appendChunk(QByteArray("dropped"));
        rs.close();
    }
    engine::Recordset check = connection.openRecordset(QStringLiteral(
        "SELECT law_id, BlobBody FROM law WHERE law_id In(200, 201) ORDER BY law_id"));
    EXPECT_TRUE(check.field(QStringLiteral("BlobBody")).isNull());
    check.moveNext();
    EXPECT_EQ(check.value(QStringLiteral("BlobBody")).toBytes(), document.left(10));
    // The file holds it for other readers too.
    check.close();
    engine::Connection other;
    enginetest::openOn(other, db);
    EXPECT_EQ(
        other.execute(QStringLiteral("SELECT length(BlobBody) AS n FROM law WHERE law_id = 201"))
            .value(QStringLiteral("n"))
            .toInt(),
        10);
}

TEST_F(RecordsetTest, ReadOnlyAndJoinedResultsRefuseChanges) {
    engine::Recordset readOnly = connection.openRecordset(
        QStringLiteral("SELECT BlobBody FROM law WHERE law_id = 200"), CursorType::Static);
    EXPECT_FALSE(readOnly.isUpdatable());
    EXPECT_EQ(errorOf([&] { readOnly.field(0).appendChunk(QByteArray("x")); }),
              errors::NotUpdatable);
    engine::Recordset joined =
        connection.openRecordset(QStringLiteral("SELECT law.BlobBody FROM law, LAWTYPE WHERE "
                                                "law.type_id = LAWTYPE.type_id AND law_id = 200"),
                                 CursorType::Dynamic, engine::LockType::Pessimistic);
    EXPECT_FALSE(joined.isUpdatable());
    EXPECT_EQ(errorOf([&] { joined.field(0).appendChunk(QByteArray("x")); }), errors::NotUpdatable);
    for (const char* statement : {"SELECT upper(title) AS t FROM law WHERE law_id = 200",
                                  "SELECT DISTINCT BlobBody FROM law WHERE law_id = 200",
                                  "SELECT max(BlobBody) AS b FROM law"}) {
        engine::Recordset rs = connection.openRecordset(
            QString::fromUtf8(statement), CursorType::Dynamic, engine::LockType::Pessimistic);
        EXPECT_FALSE(rs.isUpdatable()) << statement;
        EXPECT_EQ(rs.fieldCount(), 1) << statement;
    }
}

} // namespace
