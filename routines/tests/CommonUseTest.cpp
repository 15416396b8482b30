// clsCommonUse: the marker text, splitting pairs and exchanging values.
#include "routines/clsCommonUse.h"

#include <gtest/gtest.h>

using dvRtns4::clsCommonUse;
using dvRtns4::Variant;

TEST(clsCommonUse, MarkerText) {
    EXPECT_EQ(clsCommonUse().PreText(), QStringLiteral("<?>"));
}

TEST(clsCommonUse, SplitsPairs) {
    struct Case {
        const char* pair;
        const char* delimiter;
        const char* key;
        const char* value;
    } cases[] = {
        {"name = Value x", "=", "NAME", "Value x"},
        {"no delimiter", "=", "", ""},
        {"a=b=c", "=", "A", "b=c"},
        {"όνομα=τιμή", "=", "ΌΝΟΜΑ", "τιμή"},
        {"=v", "=", "", "v"},
        {"k=", "=", "K", ""},
        {"k: v", ":", "K", "v"},
        {"k::v", "::", "K", ":v"}, // the value starts one character after the delimiter
        {"", "=", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pair);
        // Stale contents of the outputs must not survive.
        QString key = QStringLiteral("old");
        QString value = QStringLiteral("old");
        clsCommonUse::Split_Pair(QString::fromUtf8(c.pair), key, value,
                                 QString::fromUtf8(c.delimiter));
        EXPECT_EQ(key, QString::fromUtf8(c.key));
        EXPECT_EQ(value, QString::fromUtf8(c.value));
    }
}

TEST(clsCommonUse, SwapsValuesOfAnyKind) {
    Variant a(12);
    Variant b = Variant::null();
    clsCommonUse::Swap(a, b);
    EXPECT_TRUE(a.isNull());
    EXPECT_EQ(b.toInt(), 12);

    Variant t("text");
    Variant e;
    clsCommonUse::Swap(t, e);
    EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(e.toString(), QStringLiteral("text"));
}
