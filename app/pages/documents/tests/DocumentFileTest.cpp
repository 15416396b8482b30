// Writing a stored document into the temporary folder: the pieces, the
// progress steps between them, the abstract's file, the bad input that must
// leave no file behind, and the deletion of the document files.
#include "app/pages/documents/tests/DocumentsFixture.h"

#include "app/store/Statements.h"
#include "controls/progress/Progress.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace lexora;
using testsupport::DocumentsFixture;

namespace {

QByteArray bytesOfSize(qint64 size) {
    QByteArray bytes(size, '\0');
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) % 256);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

} // namespace

TEST(DocumentFileTest, PiecesOf64000BytesWithAProgressStepAfterEach) {
    struct Case {
        qint64 size;
        int pieces;
    };
    const Case cases[] = {{1, 1}, {64000, 1}, {64001, 2}, {128000, 2}, {128001, 3}};
    for (const Case& c : cases) {
        DocumentsFixture fx;
        const QByteArray body = bytesOfSize(c.size);
        fx.addActDocument(7, QStringLiteral("rtf"), body);
        fx.clock.readings = 0;

        const QString path = fx.commands->WriteDocumentFile(
            store::actDocument(7), QStringLiteral("rtf"), fx.controls.ProgressBar1);
        EXPECT_EQ(path, fx.tempFile(QStringLiteral("BlobSubBody.rtf"))) << c.size;
        EXPECT_EQ(testsupport::readBytes(path), body) << c.size;
        EXPECT_EQ(fx.clock.readings, 2 * c.pieces) << c.size; // two readings per step

        fx.clock.readings = 0;
        fx.commands->WriteDocumentFile(store::actDocument(7), QStringLiteral("rtf"), nullptr);
        EXPECT_EQ(fx.clock.readings, 0) << "no bar, no steps";
    }
}

TEST(DocumentFileTest, ProgressFollowsTheTimeSinceTheStart) {
    using pages::progressPercent;
    EXPECT_EQ(progressPercent(100.0F, 100.0F, 100.0F), 0);
    EXPECT_EQ(progressPercent(100.0F, 101.0F, 101.0F), 50);
    EXPECT_EQ(progressPercent(100.0F, 109.0F, 109.0F), 90);
    EXPECT_EQ(progressPercent(100.0F, 101.0F, 102.0F), 33); // 100 / 3
    // Past midnight the time counts on from the start.
    EXPECT_EQ(progressPercent(86399.0F, 0.0F, 0.0F), 50);
    EXPECT_EQ(progressPercent(86399.5F, 0.5F, 0.5F), 50);
}

TEST(DocumentFileTest, AbstractDocumentGoesToBlobBodyRtf) {
    DocumentsFixture fx;
    const QByteArray body = testsupport::rtfWith(QStringLiteral("Abstract"));
    fx.addAbstractDocument(3, body);
    const QString path =
        fx.commands->WriteAbstractDocument(fx.form, fx.context, store::scheduleAbstractDocument(3));
    EXPECT_EQ(path, fx.tempFile(QStringLiteral("BlobBody.rtf")));
    EXPECT_EQ(testsupport::readBytes(path), body);
    EXPECT_TRUE(
        fx.commands->WriteAbstractDocument(fx.form, fx.context, store::scheduleAbstractDocument(4))
            .isEmpty());
}

TEST(DocumentFileTest, BadInputWritesNothingAndRemovesTheOldFile) {
    struct Case {
        const char* name;
        QString type;
        QByteArray body;
        bool brokenFolder;
    };
    const Case cases[] = {
        {"null body", QStringLiteral("rtf"), QByteArray(), false},
        {"empty body", QStringLiteral("rtf"), QByteArray(""), false},
        {"type naming another folder", QStringLiteral("rtf/../../escaped"), QByteArray("x"), false},
        {"empty type", QStringLiteral(""), QByteArray("x"), false},
        {"folder that cannot be written", QStringLiteral("rtf"), QByteArray("x"), true},
    };
    for (const Case& c : cases) {
        DocumentsFixture fx;
        fx.addActDocument(5, c.type, c.body);
        const QString old = fx.tempFile(QStringLiteral("BlobSubBody.rtf"));
        writeFile(old, "old document");
        if (c.brokenFolder) {
            // A folder below a plain file can never be made.
            writeFile(fx.tempFile(QStringLiteral("plain")), "x");
            fx.context.state.gTempFolder = fx.tempFile(QStringLiteral("plain/"));
        }
        EXPECT_TRUE(
            fx.commands->WriteDocumentFile(store::actDocument(5), c.type, fx.controls.ProgressBar1)
                .isEmpty())
            << c.name;
        if (!c.brokenFolder && c.type == QLatin1String("rtf")) {
            EXPECT_FALSE(QFile::exists(old)) << c.name;
        }
        const QStringList left = QDir(fx.temp.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left.filter(QStringLiteral("BlobSubBody")).size(),
                  c.type == QLatin1String("rtf") && !c.brokenFolder ? 0 : 1)
            << c.name << " " << left.join(u',').toStdString();
        EXPECT_FALSE(QFile::exists(fx.temp.path() + QStringLiteral("/../escaped"))) << c.name;
    }
}

TEST(DocumentFileTest, NoRowWritesNothing) {
    DocumentsFixture fx;
    EXPECT_TRUE(
        fx.commands->WriteDocumentFile(store::actDocument(99), QStringLiteral("rtf"), nullptr)
            .isEmpty());
    EXPECT_TRUE(QDir(fx.temp.path()).entryList(QDir::Files).filter("Blob").isEmpty());
}

TEST(DocumentFileTest, CloseDocumentsDeletesOnlyTheDocumentFiles) {
    DocumentsFixture fx;
    for (const char* name : {"BlobSubBody.rtf", "BlobSubBody.xlsx", "BlobBody.rtf", "BlobBody.x",
                             "history.txt", "blobbody.rtf", "MyBlobBody.rtf"})
        writeFile(fx.tempFile(QString::fromUtf8(name)), "x");
    fx.hooks.closeDocuments();
    EXPECT_EQ(QDir(fx.temp.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("MyBlobBody.rtf"), QStringLiteral("blobbody.rtf"),
                           QStringLiteral("history.txt")}));
}

TEST(DocumentFileTest, CloseDocumentsWithoutATemporaryFolderTouchesNothing) {
    DocumentsFixture fx;
    const QString here = QDir::currentPath();
    QDir::setCurrent(fx.temp.path());
    writeFile(fx.tempFile(QStringLiteral("BlobBody.rtf")), "x");
    fx.context.state.gTempFolder.clear();
    fx.commands->CloseDocuments();
    EXPECT_TRUE(QFile::exists(fx.temp.path() + QStringLiteral("/BlobBody.rtf")));
    QDir::setCurrent(here);
}
