// Folding of search texts.
#include "app/search/FoldGreekText.h"

#include <gtest/gtest.h>

using lexora::search::FoldGreekText;

TEST(FoldGreekText, FoldsCaseAccentsAndDiaeresis) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"ΐσότητα", "ΙΣΟΤΗΤΑ"},
        {"ισοτητα", "ΙΣΟΤΗΤΑ"},
        {"ΪΣΟΤΗΤΑ", "ΙΣΟΤΗΤΑ"},
        {"άέόύίήώ", "ΑΕΟΥΙΗΩ"},
        {"ΆΈΌΎΊΉΏ", "ΑΕΟΥΙΗΩ"},
        {"ΰ ϋ Ϋ ϊ", "Υ Υ Υ Ι"},
        {"μετάθεσης", "ΜΕΤΑΘΕΣΗΣ"}, // final sigma
        {"  άδεια, μετάθεση  ", "ΑΔΕΙΑ, ΜΕΤΑΘΕΣΗ"},
        {"αδεια+κυησης", "ΑΔΕΙΑ+ΚΥΗΣΗΣ"},
        {"Ν. 1566/1985 o'", "Ν. 1566/1985 O'"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FoldGreekText(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded)) << c.text;
}

TEST(FoldGreekText, NullGivesEmptyText) {
    EXPECT_TRUE(FoldGreekText(QString()).isEmpty());
}
