// The document box: loading RTF files (and refusing anything else without
// losing what it shows), its text, its visibility setting, and printing its
// whole content.
#include "platform/richtext/DocumentBox.h"

#include "tests/support/TypeText.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include <gtest/gtest.h>

using lexora::richtext::DocumentBox;
using namespace Qt::Literals::StringLiterals;

namespace {

class DocumentBoxTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    DocumentBox box;
};

TEST_F(DocumentBoxTest, LoadsAnRtfFileReadOnly) {
    const QString path =
        write(u"BlobSubBody.rtf"_s,
              R"({\rtf1\ansi\ansicpg1253 \'a2\'f1\'e8\'f1\'ef 1\par\b \'cd\'fc\'ec\'ef\'f2})");
    ASSERT_TRUE(box.LoadFile(path));
    EXPECT_EQ(box.Text(), u"Άρθρο 1\nΝόμος"_s);
    EXPECT_TRUE(box.isReadOnly());

    // A second document replaces the first.
    ASSERT_TRUE(box.LoadFile(write(u"second.rtf"_s, R"({\rtf1 Second})")));
    EXPECT_EQ(box.Text(), u"Second"_s);
}

TEST_F(DocumentBoxTest, AnythingButRtfFailsAndKeepsWhatWasShown) {
    ASSERT_TRUE(box.LoadRtf(R"({\rtf1 Shown})"));
    const QString cases[] = {
        write(u"plain.rtf"_s, "Just text, not RTF"),
        write(u"page.html"_s, "<html><body>{\\rtf1 x}</body></html>"),
        write(u"empty.rtf"_s, QByteArray()),
        dir.filePath(u"missing.rtf"_s),
        dir.path(), // a folder
    };
    for (const QString& path : cases) {
        EXPECT_FALSE(box.LoadFile(path)) << path.toStdString();
        EXPECT_EQ(box.Text(), u"Shown"_s) << path.toStdString();
    }
    EXPECT_FALSE(box.LoadRtf("not rtf"));
    EXPECT_EQ(box.Text(), u"Shown"_s);
}

TEST_F(DocumentBoxTest, RepeatedLoadsKeepOnlyOneLoadedDocument) {
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(box.LoadRtf("{\\rtf1 Load " + QByteArray::number(i) + "}"));
    }
    EXPECT_EQ(box.findChildren<QTextDocument*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    EXPECT_EQ(box.Text(), u"Load 4"_s);
}

TEST_F(DocumentBoxTest, TextIsSetAsPlainText) {
    ASSERT_TRUE(box.LoadRtf(R"({\rtf1 Old})"));
    box.SetText(QString());
    EXPECT_EQ(box.Text(), QString());
    box.SetText(u"<b>not markup</b>"_s);
    EXPECT_EQ(box.Text(), u"<b>not markup</b>"_s);
}

TEST_F(DocumentBoxTest, VisibleIsTheBoxSettingEvenInAHiddenWindow) {
    QWidget window;
    auto* inWindow = new DocumentBox(&window);
    inWindow->setVisible(true);
    EXPECT_TRUE(inWindow->Visible());
    EXPECT_FALSE(inWindow->isVisible());
    inWindow->setVisible(false);
    EXPECT_FALSE(inWindow->Visible());
}

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    // Page objects are "/Type /Page" not followed by "s".
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        pages += pdf.mid(at + 11, 1) != "s" ? 1 : 0;
    }
    return pages;
}

int printToPdf(const DocumentBox& box, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    box.Print(&printer);
    return pdfPageCount(path);
}

TEST_F(DocumentBoxTest, PrintsTheWholeContentWhateverIsSelected) {
    QByteArray rtf = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 300; ++i) {
        rtf += "Paragraph " + QByteArray::number(i) + "\\par ";
    }
    ASSERT_TRUE(box.LoadRtf(rtf + "}"));

    const int pages = printToPdf(box, dir.filePath(u"all.pdf"_s));
    EXPECT_GT(pages, 1);

    QTextCursor cursor = box.textCursor();
    cursor.setPosition(0);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    EXPECT_EQ(printToPdf(box, dir.filePath(u"selected.pdf"_s)), pages);

    ASSERT_TRUE(box.LoadRtf(R"({\rtf1 One line})"));
    EXPECT_EQ(printToPdf(box, dir.filePath(u"short.pdf"_s)), 1);
}

} // namespace

// The box zooms from the keyboard, keeps the zoom for the next document,
// prints at the document's own size and finds in its text.
TEST_F(DocumentBoxTest, ZoomsKeepsTheZoomForTheNextDocumentAndPrintsUnzoomed) {
    const auto firstPointSize = [](const QTextDocument& document) {
        QTextCursor cursor(const_cast<QTextDocument*>(&document));
        cursor.setPosition(1);
        return cursor.charFormat().fontPointSize();
    };
    ASSERT_TRUE(box.LoadRtf(R"({\rtf1\ansi\fs24 Nomos 1566\par})"));
    ASSERT_DOUBLE_EQ(firstPointSize(*box.document()), 12.0);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(firstPointSize(*box.document()), 15.0);
    EXPECT_DOUBLE_EQ(firstPointSize(*box.unzoomedDocument()), 12.0);

    ASSERT_TRUE(box.LoadRtf(R"({\rtf1\ansi\fs20 Arthro 2\par})"));
    EXPECT_DOUBLE_EQ(firstPointSize(*box.document()), 12.5);
    QTest::keyClick(&box, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(firstPointSize(*box.document()), 10.0);

    QTest::keyClick(&box, Qt::Key_F, Qt::ControlModifier);
    auto* find = box.findChild<QLineEdit*>(u"txtFind"_s);
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible());
    testsupport::typeText(find, u"ARTHRO"_s);
    EXPECT_EQ(box.extraSelections().size(), 1);
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_FALSE(find->isVisible());
}
