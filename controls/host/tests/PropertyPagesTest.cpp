// The property pages: loading from the first selected control, the changed
// state that enables Apply, applying in order to every selected control, and
// the dialog that shows them as tabs and reports a refused value.
#include "controls/evscroll/EVScroll.h"
#include "controls/host/ControlHost.h"
#include "controls/host/PropertyPagesDialog.h"
#include "controls/host/StandardPages.h"
#include "controls/texthelp/TextHelp.h"
#include "controls/textint/TextInt.h"
#include "tests/support/RecordingMessages.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Dravik;

namespace {

QStringList markedNames(const QSignalSpy& spy) {
    QStringList names;
    for (const auto& mark : spy) {
        names << mark.at(0).toString();
    }
    return names;
}

QStringList tabCaptions(const PropertyPagesDialog& dialog) {
    QStringList captions;
    for (int i = 0; i < dialog.tabs()->count(); ++i) {
        captions << dialog.tabs()->tabText(i);
    }
    return captions;
}

template <typename T> T* child(QWidget* page, const char* name) {
    auto* found = page->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

class PropertyPagesTest : public ::testing::Test {
protected:
    ControlHost designer{true};
    testsupport::RecordingMessages messages;
    QWidget form;
};

} // namespace

TEST_F(PropertyPagesTest, DialogShowsEachControlsPagesAsTabs) {
    TextInt textInt(&form);
    TextHelp textHelp(&form);
    EVScroll scroll(&form);
    EXPECT_EQ(tabCaptions(PropertyPagesDialog({&textInt})), (QStringList{"General", "Font"}));
    EXPECT_EQ(tabCaptions(PropertyPagesDialog({&textHelp})),
              (QStringList{"Special", "Color", "Font"}));
    EXPECT_EQ(tabCaptions(PropertyPagesDialog({&scroll})), QStringList{"EVScrollProperties"});
}

TEST_F(PropertyPagesTest, TextIntGeneralLoadsTheFirstAndAppliesToEverySelectedControl) {
    TextInt first(&form);
    TextInt second(&form);
    for (TextInt* control : {&first, &second}) {
        control->setHost(&designer);
    }
    first.setMinimum(2);
    first.setMaximum(900);
    first.setValue(45);
    first.setLocked(true);
    first.setOutOfLimitsMsg(QStringLiteral("Λάθος"));

    PropertyPagesDialog dialog({&first, &second});
    QWidget* page = dialog.pages().first();
    EXPECT_TRUE(child<QCheckBox>(page, "chkCausesValidation")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(page, "chkLocked")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(page, "chkEnabled")->isChecked());
    EXPECT_EQ(child<QLineEdit>(page, "txtValue")->text(), QStringLiteral("45"));
    EXPECT_EQ(child<QLineEdit>(page, "txtFormatMask")->text(), QStringLiteral("#,##0"));
    EXPECT_EQ(child<QLineEdit>(page, "txtOutOfLimitsMsg")->text(), QStringLiteral("Λάθος"));
    EXPECT_EQ(child<QLineEdit>(page, "txtMaximum")->text(), QStringLiteral("900"));
    EXPECT_EQ(child<QLineEdit>(page, "txtMinimum")->text(), QStringLiteral("2"));
    EXPECT_FALSE(dialog.applyButton()->isEnabled());

    typeInto(child<QLineEdit>(page, "txtFormatMask"), QStringLiteral("0.00"));
    EXPECT_TRUE(dialog.applyButton()->isEnabled());
    typeInto(child<QLineEdit>(page, "txtMaximum"), QStringLiteral("1.000"));
    child<QCheckBox>(page, "chkCausesValidation")->click();

    QSignalSpy marks(&second, &TextInt::PropertyChanged);
    dialog.applyButton()->click();
    EXPECT_FALSE(dialog.applyButton()->isEnabled());
    for (TextInt* control : {&first, &second}) {
        EXPECT_EQ(control->FormatMask(), QStringLiteral("0.00"));
        EXPECT_EQ(control->Maximum(), 1000) << "Greek grouping in the text";
        EXPECT_EQ(control->Minimum(), 2);
        EXPECT_TRUE(control->Locked());
        EXPECT_FALSE(control->CausesValidation());
        EXPECT_EQ(control->Text(), QStringLiteral("45,00"));
    }
    const QStringList order = markedNames(marks);
    const QStringList expected{"CausesValidation", "Value",   "Locked",  "FormatMask",
                               "OutOfLimitsMsg",   "Maximum", "Minimum", "Enabled"};
    QStringList ownMarks;
    for (const QString& name : order) {
        if (expected.contains(name) && !ownMarks.contains(name)) {
            ownMarks << name;
        }
    }
    EXPECT_EQ(ownMarks, expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PropertyPagesTest, ARefusedValueIsReportedAndKeepsTheDialogOpen) {
    TextInt control(&form); // run mode and shown: FormatMask cannot be set
    form.show();
    PropertyPagesDialog dialog({&control});
    QWidget* page = dialog.pages().first();
    typeInto(child<QLineEdit>(page, "txtFormatMask"), QStringLiteral("0"));
    dialog.okButton()->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("382")));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.applyButton()->isEnabled()) << "the page still holds its changes";

    // a limit that is no number leaves the control as it was
    messages.shown.clear();
    typeInto(child<QLineEdit>(page, "txtFormatMask"), QStringLiteral("#,##0"));
    typeInto(child<QLineEdit>(page, "txtMaximum"), QStringLiteral("abc"));
    child<QCheckBox>(page, "chkLocked")->click();
    EXPECT_FALSE(dialog.applyChanges());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("13")));
    EXPECT_FALSE(control.Locked());
}

TEST_F(PropertyPagesTest, TextHelpSpecialLoadsAndAppliesTheHelpButton) {
    TextHelp first(&form);
    TextHelp second(&form);
    first.setWithHelpButton(false);
    PropertyPagesDialog dialog({&first, &second});
    auto* box = child<QCheckBox>(dialog.pages().first(), "chkWithHelpButton");
    EXPECT_EQ(box->text(), QStringLiteral("With Help Button"));
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_TRUE(dialog.applyButton()->isEnabled());
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(first.WithHelpButton());
    EXPECT_TRUE(second.WithHelpButton());
}

TEST_F(PropertyPagesTest, EVScrollPropertiesAppliesThroughTheSettersInOrder) {
    EVScroll control(&form);
    control.setMax(50);
    control.setValue(7);
    PropertyPagesDialog dialog({&control});
    QWidget* page = dialog.pages().first();
    EXPECT_EQ(child<QLineEdit>(page, "txtValue")->text(), QStringLiteral("7"));
    EXPECT_EQ(child<QLineEdit>(page, "txtMax")->text(), QStringLiteral("50"));
    EXPECT_EQ(child<QLineEdit>(page, "txtMin")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QLineEdit>(page, "txtSmallChange")->text(), QStringLiteral("1"));
    EXPECT_EQ(child<QLineEdit>(page, "txtLargeChange")->text(), QStringLiteral("1"));
    EXPECT_TRUE(child<QCheckBox>(page, "chkEnabled")->isChecked());

    QTest::keyClick(child<QCheckBox>(page, "chkEnabled"), Qt::Key_A);
    EXPECT_TRUE(dialog.applyButton()->isEnabled()) << "a key press on the check box counts";

    typeInto(child<QLineEdit>(page, "txtSmallChange"), QStringLiteral("2"));
    typeInto(child<QLineEdit>(page, "txtLargeChange"), QStringLiteral("10"));
    typeInto(child<QLineEdit>(page, "txtMin"), QStringLiteral("5"));
    typeInto(child<QLineEdit>(page, "txtMax"), QStringLiteral("80abc")); // numeric value 80
    typeInto(child<QLineEdit>(page, "txtValue"), QStringLiteral("60"));
    QSignalSpy marks(&control, &EVScroll::PropertyChanged);
    dialog.applyButton()->click();
    EXPECT_EQ(markedNames(marks),
              (QStringList{"SmallChange", "LargeChange", "Min", "Max", "Value"}));
    EXPECT_EQ(control.Min(), 5);
    EXPECT_EQ(control.Max(), 80);
    EXPECT_EQ(control.Value(), 60);
    EXPECT_EQ(control.SmallChange(), 2);
    EXPECT_EQ(control.LargeChange(), 10);
}

TEST_F(PropertyPagesTest, StandardPagesEditFontAndColourProperties) {
    TextHelp first(&form);
    TextHelp second(&form);
    PropertyPagesDialog dialog({&first, &second});
    auto* colours = qobject_cast<StandardColorPage*>(dialog.pages().at(1));
    auto* fonts = qobject_cast<StandardFontPage*>(dialog.pages().at(2));
    ASSERT_TRUE(colours && fonts);
    EXPECT_EQ(colours->currentProperty(), QStringLiteral("BackColor"));
    EXPECT_EQ(colours->currentColor(), first.BackColor());
    colours->setCurrentProperty(QStringLiteral("ForeColor"));
    EXPECT_EQ(colours->currentColor(), first.ForeColor());
    EXPECT_FALSE(colours->Changed());
    colours->setCurrentColor(QColor(200, 0, 0));
    EXPECT_TRUE(colours->Changed());

    QFont font(QStringLiteral("DejaVu Serif"), 16);
    fonts->setCurrentFont(font);
    EXPECT_TRUE(fonts->Changed());
    dialog.okButton()->click();
    for (TextHelp* control : {&first, &second}) {
        EXPECT_EQ(control->ForeColor(), QColor(200, 0, 0));
        EXPECT_EQ(control->BackColor(), QApplication::palette().color(QPalette::Base))
            << "an unedited colour stays";
        EXPECT_EQ(control->Font().family(), QStringLiteral("DejaVu Serif"));
        EXPECT_EQ(control->Font().pointSize(), 16);
    }
}
