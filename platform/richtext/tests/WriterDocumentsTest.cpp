// The RTF reader on documents written by a word processor (sources in
// data/sources, converted to RTF once with LibreOffice Writer): Greek text
// as \uN with fallbacks, styles, a bulleted list, a table, alignment.
#include "platform/richtext/tests/RtfTestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace richtext_test;
using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<QTextDocument> readResource(const QString& name) {
    QFile file(u":/richtext/data/"_s + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    return readRtf(file.readAll());
}

Qt::Alignment alignmentOf(const QTextDocument& document, const QString& text) {
    return blockFormatAt(document, text).alignment() & Qt::AlignHorizontal_Mask;
}

TEST(WriterDocuments, GreekDocumentWithListAndTable) {
    const auto document = readResource(u"writer_greek_document.rtf"_s);
    ASSERT_TRUE(document);
    const QString text = document->toPlainText();

    EXPECT_TRUE(text.contains(
        u"Άρθρο 1. Η διδασκαλία στο Δημοτικό Σχολείο γίνεται με βάση το ωρολόγιο πρόγραμμα."_s))
        << text.toStdString();
    EXPECT_FALSE(text.contains(u'?')) << "fallback characters shown";
    for (const QString& hidden : {u"Normal"_s, u"Heading"_s, u"Text Body"_s, u"Bullets"_s,
                                  u"Liberation"_s, u"Times New Roman"_s}) {
        EXPECT_FALSE(text.contains(hidden)) << hidden.toStdString();
    }

    EXPECT_TRUE(formatAt(*document, u"διδασκαλία"_s).fontWeight() >= QFont::Bold);
    EXPECT_FALSE(formatAt(*document, u"στο"_s).fontWeight() >= QFont::Bold);
    EXPECT_TRUE(formatAt(*document, u"Δημοτικό Σχολείο"_s).fontItalic());
    EXPECT_EQ(formatAt(*document, u"Άρθρο"_s).fontFamilies().toStringList().value(0),
              u"Times New Roman"_s);
    EXPECT_DOUBLE_EQ(formatAt(*document, u"Άρθρο"_s).fontPointSize(), 12.0);

    const QTextCharFormat heading = formatAt(*document, u"Κεφάλαιο Β΄"_s);
    EXPECT_TRUE(heading.fontWeight() >= QFont::Bold);
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 16.0);
    EXPECT_EQ(alignmentOf(*document, u"Κεφάλαιο"_s), Qt::AlignHCenter);

    EXPECT_TRUE(text.contains(u"•\tΠρώτο στοιχείο λίστας"_s));
    EXPECT_TRUE(text.contains(u"•\tΔεύτερο στοιχείο με υπογράμμιση"_s));
    EXPECT_EQ(text.count(u'•'), 2);
    EXPECT_TRUE(formatAt(*document, u"υπογράμμιση"_s).fontUnderline());
    EXPECT_LT(blockFormatAt(*document, u"Πρώτο"_s).textIndent(), 0.0); // hanging bullet

    const auto tables = tablesOf(*document);
    ASSERT_EQ(tables.size(), 1);
    QTextTable* table = tables.first();
    ASSERT_EQ(table->rows(), 2);
    ASSERT_EQ(table->columns(), 2);
    EXPECT_EQ(cellText(table, 0, 0), u"Τάξη"_s);
    EXPECT_EQ(cellText(table, 0, 1), u"Ώρες"_s);
    EXPECT_EQ(cellText(table, 1, 0), u"Α΄"_s);
    EXPECT_EQ(cellText(table, 1, 1), u"25"_s);

    const QTextCursor signature = document->find(u"Ο Υπουργός"_s);
    ASSERT_FALSE(signature.isNull());
    EXPECT_EQ(signature.currentTable(), nullptr);
    EXPECT_GT(signature.position(), table->lastPosition());
    EXPECT_EQ(alignmentOf(*document, u"Ο Υπουργός"_s), Qt::AlignRight);
}

TEST(WriterDocuments, TermsWithFontsSizesAndAlignment) {
    const auto document = readResource(u"writer_terms.rtf"_s);
    ASSERT_TRUE(document);
    EXPECT_EQ(blocksOf(*document),
              u"ΟΡΟΙ ΧΡΗΣΗΣ|Η χρήση της εφαρμογής γίνεται αποκλειστικά για προσωπικούς "
              u"σκοπούς.|Έκδοση 21.2 — ΐ ΰ ώ"_s);

    const QTextCharFormat title = formatAt(*document, u"ΟΡΟΙ"_s);
    EXPECT_TRUE(title.fontWeight() >= QFont::Bold);
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 14.0);
    EXPECT_EQ(title.fontFamilies().toStringList().value(0), u"Verdana"_s);
    EXPECT_EQ(alignmentOf(*document, u"ΟΡΟΙ"_s), Qt::AlignHCenter);

    EXPECT_TRUE(formatAt(*document, u"αποκλειστικά"_s).fontItalic());
    EXPECT_FALSE(formatAt(*document, u"προσωπικούς"_s).fontItalic());
    EXPECT_DOUBLE_EQ(formatAt(*document, u"χρήση"_s).fontPointSize(), 10.0);
    EXPECT_EQ(alignmentOf(*document, u"χρήση"_s), Qt::AlignJustify);

    const QTextCharFormat version = formatAt(*document, u"Έκδοση"_s);
    EXPECT_EQ(version.fontFamilies().toStringList().value(0), u"Courier New"_s);
    EXPECT_DOUBLE_EQ(version.fontPointSize(), 9.0);
}

} // namespace
