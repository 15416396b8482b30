// The text box with help button driven with keys, clicks and focus changes:
// the button following the focus, help requests and the value they attach,
// validation, the design-time error and the saved settings.
#include "controls/texthelp/TextHelp.h"

#include "controls/host/ControlHost.h"
#include "controls/host/MemoryPropertyBag.h"
#include "routines/RoutineError.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using Dravik::TextHelp;

namespace {

class TextHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        before = new QLineEdit(window.get());
        control = new TextHelp(window.get());
        after = new QLineEdit(window.get());
        layout->addWidget(before);
        layout->addWidget(control);
        layout->addWidget(after);
        control->InitNew();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        box = control->findChild<QLineEdit*>("txtHelp");
        button = control->findChild<QToolButton*>("cmdHelp");
        ASSERT_NE(box, nullptr);
        ASSERT_NE(button, nullptr);
        before->setFocus();
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    TextHelp* control = nullptr;
    QLineEdit* after = nullptr;
    QLineEdit* box = nullptr;
    QToolButton* button = nullptr;
};

} // namespace

TEST_F(TextHelpTest, ButtonFollowsTheFocusAndExitDirectionTellsTheWayOut) {
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(button->toolTip(), QString::fromUtf8("Επιτρεπτές τιμές (F12)"));
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(box->hasFocus());
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(control->exitDirection(), 0);
    EXPECT_EQ(control->ActiveControl(), box);

    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(control->exitDirection(), 1);
    EXPECT_EQ(control->ActiveControl(), nullptr);

    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(box->hasFocus());
    EXPECT_EQ(control->exitDirection(), 0);
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(control->exitDirection(), -1);
}

TEST_F(TextHelpTest, WithoutHelpButtonTheButtonNeverShowsButItsPlaceStaysFree) {
    control->setWithHelpButton(false);
    control->resize(200, 30);
    control->setFocus();
    ASSERT_TRUE(box->hasFocus());
    EXPECT_FALSE(button->isVisible());
    EXPECT_EQ(box->width(), 200 - button->width() - 1);
    EXPECT_EQ(button->x(), box->width() + 1);
    QSignalSpy help(control, &TextHelp::ShowHelp);
    QTest::keyClick(box, Qt::Key_F12);
    EXPECT_EQ(help.count(), 1);
}

TEST_F(TextHelpTest, HelpKeysRaiseShowHelpAndGoNoFurther) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool raises;
    };
    const Case cases[] = {
        {Qt::Key_F12, Qt::NoModifier, true},      {Qt::Key_F12, Qt::ShiftModifier, true},
        {Qt::Key_F12, Qt::ControlModifier, true}, {Qt::Key_F12, Qt::AltModifier, true},
        {Qt::Key_F1, Qt::AltModifier, true},      {Qt::Key_F1, Qt::NoModifier, false},
        {Qt::Key_F1, Qt::ControlModifier, false}, {Qt::Key_F11, Qt::NoModifier, false},
    };
    control->setFocus();
    control->setText(QStringLiteral("abc"));
    for (const auto& c : cases) {
        QSignalSpy help(control, &TextHelp::ShowHelp);
        QTest::keyClick(box, c.key, c.modifiers);
        EXPECT_EQ(help.count(), c.raises ? 1 : 0) << Qt::Key(c.key) << " " << int(c.modifiers);
        EXPECT_EQ(control->Text(), QStringLiteral("abc"));
    }
}

TEST_F(TextHelpTest, HandlerTextAndValueAreKeptAndAnEditClearsTheValue) {
    control->setText(QStringLiteral("old"));
    QVariant seenValue = QStringLiteral("unset");
    QString seenText;
    const auto connection = QObject::connect(control, &TextHelp::ShowHelp, control,
                                             [&](QString& text, QVariant& value) {
                                                 seenText = text;
                                                 seenValue = value;
                                                 text = QStringLiteral("Αθήνα");
                                                 value = 17;
                                             });
    QSignalSpy changed(control, &TextHelp::TextChanged);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(seenText, QStringLiteral("old"));
    EXPECT_FALSE(seenValue.isValid()) << "the handler starts from an empty value";
    EXPECT_EQ(control->Text(), QString::fromUtf8("Αθήνα"));
    EXPECT_EQ(control->HelpValue(), QVariant(17));
    EXPECT_EQ(changed.count(), 1);

    // a second request starts empty again, not from 17
    QObject::disconnect(connection);
    QObject::connect(control, &TextHelp::ShowHelp, control,
                     [&](QString&, QVariant& value) { seenValue = value; });
    control->setFocus();
    QTest::keyClick(box, Qt::Key_F12);
    EXPECT_FALSE(seenValue.isValid());
    EXPECT_FALSE(control->HelpValue().isValid()) << "a handler that sets nothing leaves it empty";
    EXPECT_EQ(control->Text(), QString::fromUtf8("Αθήνα"));
    EXPECT_EQ(changed.count(), 1);

    control->setHelpValue(5);
    QTest::keyClick(box, Qt::Key_X);
    EXPECT_EQ(control->HelpValue(), QVariant(0));
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(TextHelpTest, HelpValueCanBeSetOnlyWhileTheHostRuns) {
    Dravik::ControlHost designer(true);
    control->setHost(&designer);
    try {
        control->setHelpValue(3);
        FAIL() << "no error in design mode";
    } catch (const dvRtns4::RoutineError& error) {
        EXPECT_EQ(error.number(), 387);
    }
    EXPECT_EQ(control->HelpValue(), QVariant(0));

    control->setHost(nullptr);
    QSignalSpy marks(control, &TextHelp::PropertyChanged);
    control->setHelpValue(3);
    EXPECT_EQ(control->HelpValue(), QVariant(3));
    ASSERT_EQ(marks.count(), 1);
    EXPECT_EQ(marks.at(0).at(0).toString(), QStringLiteral("HelpValue"));
}

TEST_F(TextHelpTest, ValidateCanKeepTheFocusInTheBox) {
    bool cancel = true;
    int validations = 0;
    QObject::connect(control, &TextHelp::Validate, control, [&](bool& c) {
        ++validations;
        c = cancel;
    });
    control->setFocus();
    after->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(validations, 1);
    EXPECT_TRUE(box->hasFocus()) << "cancelled: the focus comes back";

    // a target that does not cause validation lets the focus go unasked
    after->setProperty("CausesValidation", false);
    after->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(validations, 1);
    EXPECT_TRUE(after->hasFocus());

    cancel = false;
    after->setProperty("CausesValidation", true);
    control->setFocus();
    after->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(validations, 2);
    EXPECT_TRUE(after->hasFocus());
}

TEST_F(TextHelpTest, MouseOnTheControlsOwnSurfaceIsForwarded) {
    control->resize(200, 30);
    QSignalSpy down(control, &TextHelp::MouseDown);
    QSignalSpy up(control, &TextHelp::MouseUp);
    const int gap = button->x() - 1; // the free pixel column between box and button
    QTest::mouseClick(control, Qt::RightButton, Qt::ShiftModifier, QPoint(gap, 5));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down.at(0).at(0).toInt(), 2);
    EXPECT_EQ(down.at(0).at(1).toInt(), 1);
    EXPECT_FLOAT_EQ(down.at(0).at(2).toFloat(), float(gap));
    EXPECT_FLOAT_EQ(down.at(0).at(3).toFloat(), 5.0f);
    EXPECT_EQ(up.count(), 1);
}

TEST_F(TextHelpTest, SettingsAreWrittenInOrderWithTheirDefaults) {
    Dravik::MemoryPropertyBag bag;
    control->SaveProperties(bag);
    EXPECT_EQ(
        bag.writtenNames(),
        (QStringList{"BackColor", "ForeColor", "Enabled", "Font", "BorderStyle", "Text",
                     "Alignment", "MaxLength", "ToolTipText", "Appearance", "Locked", "SelLength",
                     "SelStart", "SelText", "CausesValidation", "WithHelpButton", "HelpValue"}));
    // Booleans saved without a default are always kept.
    EXPECT_EQ(bag.values().keys(), (QStringList{"CausesValidation", "Enabled", "Locked"}));
}

TEST_F(TextHelpTest, SettingsRoundTripWithoutRepeatingTheSelectedText) {
    QFont font(QStringLiteral("DejaVu Serif"), 15);
    control->setBackColor(QColor(250, 240, 200));
    control->setForeColor(QColor(0, 0, 128));
    control->setControlFont(font);
    control->setBorderStyle(0);
    control->setText(QStringLiteral("Πάτρα"));
    control->setAlignment(1);
    control->setMaxLength(12);
    control->setToolTipText(QStringLiteral("πόλη"));
    control->setAppearance(0);
    control->setLocked(true);
    control->setSelStart(1);
    control->setSelLength(2);
    control->setCausesValidation(false);
    control->setWithHelpButton(false);
    control->setHelpValue(44);
    Dravik::MemoryPropertyBag bag;
    control->SaveProperties(bag);
    EXPECT_EQ(bag.value("SelText"), QVariant(QStringLiteral("άτ")));

    TextHelp copy(window.get());
    QSignalSpy changed(&copy, &TextHelp::TextChanged);
    copy.LoadProperties(bag);
    EXPECT_EQ(bag.readNames(),
              (QStringList{"BackColor", "ForeColor", "Enabled", "Font", "BorderStyle", "Text",
                           "Alignment", "MaxLength", "ToolTipText", "Appearance", "Locked",
                           "SelLength", "SelStart", "SelText", "CausesValidation", "WithHelpButton",
                           "CausesValidation", "HelpValue"}));
    EXPECT_EQ(copy.BackColor(), QColor(250, 240, 200));
    EXPECT_EQ(copy.ForeColor(), QColor(0, 0, 128));
    EXPECT_TRUE(copy.Enabled());
    EXPECT_EQ(copy.Font(), font);
    EXPECT_EQ(copy.BorderStyle(), 0);
    EXPECT_EQ(copy.Text(), QString::fromUtf8("Πάτρα"));
    EXPECT_EQ(copy.Alignment(), 1);
    EXPECT_EQ(copy.MaxLength(), 12);
    EXPECT_EQ(copy.ToolTipText(), QString::fromUtf8("πόλη"));
    EXPECT_EQ(copy.Appearance(), 0);
    EXPECT_TRUE(copy.Locked());
    EXPECT_EQ(copy.SelStart(), 1);
    EXPECT_EQ(copy.SelLength(), 2);
    EXPECT_FALSE(copy.CausesValidation());
    EXPECT_FALSE(copy.WithHelpButton());
    EXPECT_EQ(copy.HelpValue().toInt(), 44) << "read after the text, so the text does not reset it";
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(TextHelpTest, AbsentBooleansReadAsFalse) {
    Dravik::MemoryPropertyBag empty;
    TextHelp copy(window.get());
    copy.LoadProperties(empty);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_FALSE(copy.Locked());
    EXPECT_FALSE(copy.CausesValidation());
    EXPECT_TRUE(copy.WithHelpButton());
    EXPECT_EQ(copy.BorderStyle(), 1);
    EXPECT_EQ(copy.Appearance(), 1);
}
