// The two property stores: defaults left out, values read back in the type
// the reader expects, and a settings file shared by several controls.
#include "controls/host/MemoryPropertyBag.h"
#include "controls/host/SettingsPropertyBag.h"

#include <QColor>
#include <QFont>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Dravik::MemoryPropertyBag;
using Dravik::SettingsPropertyBag;

TEST(MemoryPropertyBag, LeavesOutDefaultsAndLogsEveryCall) {
    MemoryPropertyBag bag;
    bag.WriteProperty("Max", 32767, 32767);
    bag.WriteProperty("Min", 5, 0);
    bag.WriteProperty("Text", QString(), QString());
    bag.WriteProperty("Enabled", true); // no default: always kept
    EXPECT_FALSE(bag.contains("Max"));
    EXPECT_FALSE(bag.contains("Text"));
    EXPECT_EQ(bag.value("Min"), QVariant(5));
    EXPECT_EQ(bag.value("Enabled"), QVariant(true));
    EXPECT_EQ(bag.writtenNames(), (QStringList{"Max", "Min", "Text", "Enabled"}));

    EXPECT_EQ(bag.ReadProperty("Min", 0), QVariant(5));
    EXPECT_EQ(bag.ReadProperty("Max", 32767), QVariant(32767));
    EXPECT_FALSE(bag.ReadProperty("Locked").isValid());
    EXPECT_EQ(bag.readNames(), (QStringList{"Min", "Max", "Locked"}));
}

TEST(MemoryPropertyBag, WritingTheDefaultRemovesAnEarlierValue) {
    MemoryPropertyBag bag;
    bag.WriteProperty("Value", 7, 0);
    bag.WriteProperty("Value", 0, 0);
    EXPECT_FALSE(bag.contains("Value"));
}

TEST(SettingsPropertyBag, RoundTripsThroughAFileInTheReadersTypes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("form.ini");
    QFont font(QStringLiteral("DejaVu Sans"), 13);
    font.setBold(true);
    {
        QSettings settings(path, QSettings::IniFormat);
        SettingsPropertyBag first(settings, "TextInt1");
        SettingsPropertyBag second(settings, "EVScroll1");
        first.WriteProperty("Minimum", 10, 0);
        first.WriteProperty("Locked", true, false);
        first.WriteProperty("OutOfLimitsMsg", QString::fromUtf8("Εκτός"), QString());
        first.WriteProperty("Font", font, QFont());
        first.WriteProperty("BackColor", QColor(1, 2, 3), QColor(Qt::white));
        second.WriteProperty("Minimum", -4, 0);
        second.WriteProperty("Max", 32767, 32767);
    }
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_FALSE(settings.contains("EVScroll1/Max")) << "a default is left out of the file";
    SettingsPropertyBag first(settings, "TextInt1");
    SettingsPropertyBag second(settings, "EVScroll1");
    const QVariant minimum = first.ReadProperty("Minimum", 0);
    EXPECT_EQ(minimum.metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(minimum.toInt(), 10);
    const QVariant locked = first.ReadProperty("Locked", false);
    EXPECT_EQ(locked.metaType(), QMetaType::fromType<bool>());
    EXPECT_TRUE(locked.toBool());
    EXPECT_EQ(first.ReadProperty("OutOfLimitsMsg", QString()).toString(),
              QString::fromUtf8("Εκτός"));
    EXPECT_EQ(first.ReadProperty("Font", QFont()).value<QFont>(), font);
    EXPECT_EQ(first.ReadProperty("BackColor", QColor()).value<QColor>(), QColor(1, 2, 3));
    EXPECT_EQ(second.ReadProperty("Minimum", 0).toInt(), -4);
    EXPECT_EQ(second.ReadProperty("Max", 32767).toInt(), 32767);
    EXPECT_FALSE(first.ReadProperty("Absent").isValid());
}

TEST(SettingsPropertyBag, WritingTheDefaultRemovesTheSavedEntry) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("form.ini"), QSettings::IniFormat);
    SettingsPropertyBag bag(settings, "c");
    bag.WriteProperty("Value", 3, 0);
    ASSERT_TRUE(settings.contains("c/Value"));
    bag.WriteProperty("Value", 0, 0);
    EXPECT_FALSE(settings.contains("c/Value"));
}
