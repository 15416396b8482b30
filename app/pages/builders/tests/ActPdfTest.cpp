// lexora --pdf: an act's page written into a PDF file without a window, with
// readable text, and each way it can fail told in Greek with its status.
#include "app/PdfCommand.h"
#include "app/pages/builders/tests/SampleActs.h"
#include "tests/support/FixtureDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lexora;

namespace {

struct Word {
    QString text;
    double height = 0;
};

// The words of a PDF with their heights in points, as pdftotext sees them.
QList<Word> wordsOf(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000))
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), m.captured(4).toDouble() - m.captured(2).toDouble()});
    }
    return words;
}

class ActPdfTest : public ::testing::Test {
protected:
    int run(const QString& id, const QString& path) {
        return RunPdfCommand({id, path}, data.folder(),
                             [this](const QString& text) { errors << text; });
    }

    testsupport::FixtureDatabase data{QString::fromUtf8(testsupport::kSampleActs)};
    QTemporaryDir out;
    QStringList errors;
};

} // namespace

TEST_F(ActPdfTest, WritesTheActPageWithReadableText) {
    const QString pdf = out.filePath(QStringLiteral("Ν100.pdf"));
    ASSERT_EQ(run(QStringLiteral("100"), pdf), 0) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(errors.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));

    const QList<Word> words = wordsOf(pdf);
    QStringList texts;
    for (const Word& w : words) {
        texts << w.text;
        EXPECT_GE(w.height, 8.0) << w.text.toStdString();
        EXPECT_LE(w.height, 30.0) << w.text.toStdString();
    }
    for (const char* expected : {"Προοίμιο", "Άρθρο", "δέκα", "τέσσερα"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(ActPdfTest, FailuresAreToldInGreekWithAStatus) {
    const struct {
        const char* what;
        QString id;
        QString path;
        int status;
        const char* message;
    } cases[] = {
        {"unknown act", QStringLiteral("999"), out.filePath(QStringLiteral("a.pdf")), kPdfFailed,
         "Δεν υπάρχει νομοθέτημα με κωδικό 999."},
        {"attached document only", QStringLiteral("12"), out.filePath(QStringLiteral("b.pdf")),
         kPdfFailed, "συνημμένο έγγραφο"},
        {"folder that does not exist", QStringLiteral("100"),
         out.filePath(QStringLiteral("no/such/folder/c.pdf")), kPdfFailed,
         "Δεν είναι δυνατή η εγγραφή του αρχείου"},
        {"a folder for a file", QStringLiteral("100"), out.path(), kPdfFailed,
         "Δεν είναι δυνατή η εγγραφή του αρχείου"},
        {"id that is no number", QStringLiteral("Ν100"), out.filePath(QStringLiteral("d.pdf")),
         kPdfUsage, "δεν είναι θετικός ακέραιος"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        errors.clear();
        EXPECT_EQ(run(c.id, c.path), c.status);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors.first().contains(QString::fromUtf8(c.message)))
            << errors.first().toStdString();
        EXPECT_FALSE(QFile::exists(c.path) && !QFileInfo(c.path).isDir());
    }

    errors.clear();
    EXPECT_EQ(RunPdfCommand({QStringLiteral("100"), out.filePath(QStringLiteral("e.pdf"))},
                            out.path(), [this](const QString& text) { errors << text; }),
              kPdfFailed);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Δεν βρέθηκε η βάση δεδομένων")));
}
