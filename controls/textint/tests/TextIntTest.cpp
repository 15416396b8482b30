// The integer box driven with keys and focus changes: the key filter, the
// limit check and its message, the display face, run-time errors, the label
// colours, and its settings in the property store.
#include "controls/textint/TextInt.h"

#include "controls/host/ControlHost.h"
#include "controls/host/MemoryPropertyBag.h"
#include "routines/RoutineError.h"
#include "tests/support/RecordingMessages.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using Dravik::TextInt;

namespace {

const QString OutOfLimits = QString::fromUtf8("Τιμή εκτός ορίων");

class RecordingHost final : public Dravik::ControlHost {
public:
    explicit RecordingHost(bool design = false) : ControlHost(design) {}
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// A window with a box before the control and one after it, shown and active,
// so that focus moves as it does for a user.
class TextIntTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        before = new QLineEdit(window.get());
        control = new TextInt(window.get());
        after = new QLineEdit(window.get());
        layout->addWidget(before);
        layout->addWidget(control);
        layout->addWidget(after);
        control->setHost(&host);
        control->InitNew();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        edit = control->findChild<QLineEdit*>("txtInt");
        label = control->findChild<QLabel*>("lblInt");
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(label, nullptr);
    }

    void enter() {
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit->hasFocus());
    }
    void leave() {
        after->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(after->hasFocus());
    }

    RecordingHost host;
    testsupport::RecordingMessages messages;
    std::unique_ptr<QWidget> window;
    QLineEdit* before = nullptr;
    TextInt* control = nullptr;
    QLineEdit* after = nullptr;
    QLineEdit* edit = nullptr;
    QLabel* label = nullptr;
};

} // namespace

TEST_F(TextIntTest, KeyFilterAcceptsDigitsLeadingSignsAndBackspaceOnly) {
    struct Case {
        const char* start;
        int selStart;
        int selLength;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
        bool beep;
    };
    const Case cases[] = {
        {"12", 2, 0, Qt::Key_3, Qt::NoModifier, "123", false},
        {"12", 2, 0, Qt::Key_A, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Period, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Comma, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Space, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Return, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Escape, Qt::NoModifier, "12", true},
        {"12", 2, 0, Qt::Key_Backspace, Qt::NoModifier, "1", false},
        {"12", 0, 0, Qt::Key_Delete, Qt::NoModifier, "2", false},
        {"", 0, 0, Qt::Key_Minus, Qt::NoModifier, "-", false},
        {"", 0, 0, Qt::Key_Plus, Qt::NoModifier, "+", false},
        {"12", 2, 0, Qt::Key_Minus, Qt::NoModifier, "12", true},
        {"12", 1, 1, Qt::Key_Minus, Qt::NoModifier, "12", true},
        {"12", 0, 2, Qt::Key_Minus, Qt::NoModifier, "-", false},
        {"12", 2, 0, Qt::Key_V, Qt::ControlModifier, "12", true},
        {"12", 0, 2, Qt::Key_X, Qt::ControlModifier, "12", true},
    };
    QApplication::clipboard()->setText(QStringLiteral("99"));
    enter();
    for (const auto& c : cases) {
        edit->setText(QString::fromUtf8(c.start));
        edit->setSelection(c.selStart, c.selLength);
        if (c.selLength == 0) {
            edit->setCursorPosition(c.selStart);
        }
        host.beeps = 0;
        QTest::keyClick(edit, c.key, c.modifiers);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.expected))
            << c.start << " + key " << Qt::Key(c.key);
        EXPECT_EQ(host.beeps, c.beep ? 1 : 0) << c.start << " + key " << Qt::Key(c.key);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TextIntTest, WithoutLimitsAnyNumberIsAcceptedAndShownGroupedAfterLeaving) {
    QSignalSpy changes(control, &TextInt::Change);
    enter();
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(label->isVisible());
    QTest::keyClicks(edit, "1234567");
    EXPECT_EQ(changes.count(), 7);
    leave();
    EXPECT_TRUE(label->isVisible());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("1.234.567"));
    EXPECT_EQ(control->Text(), QStringLiteral("1.234.567")) << "Text is the formatted caption";
    EXPECT_EQ(control->Value().metaType(), QMetaType::fromType<double>());
    EXPECT_DOUBLE_EQ(control->Value().toDouble(), 1234567.0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TextIntTest, ShiftTabFromTheEditBoxLeavesTheControl) {
    enter();
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_TRUE(label->isVisible());
    // and the control can be entered again
    enter();
    EXPECT_TRUE(edit->isVisible());
}

TEST_F(TextIntTest, ValueOutOfLimitsShowsTheMessageAndRestoresTheLastAcceptedValue) {
    control->setMinimum(10);
    control->setMaximum(99);
    QSignalSpy changes(control, &TextInt::Change);
    enter();
    QTest::keyClicks(edit, "5");
    // "5" < 10: nothing accepted before, so the box falls back on "0", which
    // is out of limits too: the message shows twice and the text stays "0".
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.icon, dvRtns4::MsgIcon::Information);
        EXPECT_EQ(shown.title, QStringLiteral("Dravik"));
        EXPECT_EQ(shown.text, OutOfLimits);
        EXPECT_EQ(shown.buttons, dvRtns4::MsgButtons::OkOnly);
    }
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("0"));
    EXPECT_EQ(changes.count(), 0);

    // Typed digit by digit, 42 starts below the minimum; set whole it is
    // accepted.
    messages.shown.clear();
    control->setValue(42);
    EXPECT_EQ(label->text(), QStringLiteral("42"));
    EXPECT_EQ(changes.count(), 1);
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_7); // 427 > 99
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(edit->text(), QStringLiteral("42"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("42"));
    // the restored text is itself a change of the text
    EXPECT_EQ(changes.count(), 2);
    EXPECT_DOUBLE_EQ(control->Value().toDouble(), 42.0);
}

TEST_F(TextIntTest, SignAloneCountsAsZeroAndAnEmptyMessageRestoresSilently) {
    control->setMinimum(1);
    control->setMaximum(10);
    control->setValue(3);
    enter();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(edit->text(), QStringLiteral("3"));

    messages.shown.clear();
    control->setOutOfLimitsMsg(QString());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
}

TEST_F(TextIntTest, RaisingTheMinimumAboveTheTextRefusesItWithoutChange) {
    control->setValue(5);
    control->setMaximum(99);
    QSignalSpy changes(control, &TextInt::Change);
    control->setMinimum(10);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("5"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(TextIntTest, FormatMaskCanBeSetOnlyInADesigner) {
    control->setValue(1234567);
    try {
        control->setFormatMask(QStringLiteral("0"));
        FAIL() << "no error at run time";
    } catch (const dvRtns4::RoutineError& error) {
        EXPECT_EQ(error.number(), 382);
    }
    EXPECT_EQ(control->FormatMask(), QStringLiteral("#,##0"));
    EXPECT_EQ(label->text(), QStringLiteral("1.234.567"));

    host.setDesignMode(true);
    QSignalSpy marks(control, &TextInt::PropertyChanged);
    control->setFormatMask(QStringLiteral("#,##0.00"));
    EXPECT_EQ(label->text(), QStringLiteral("1.234.567,00"));
    EXPECT_EQ(marks.count(), 1);
    EXPECT_EQ(marks.at(0).at(0).toString(), QStringLiteral("FormatMask"));
}

TEST_F(TextIntTest, AFormMaySetTheMaskWhileSettingUpItsControls) {
    TextInt unshown(window.get());
    unshown.setFormatMask(QStringLiteral("0.0")); // a Designer form's setupUi does this
    unshown.setValue(3);
    EXPECT_EQ(unshown.Text(), QStringLiteral("3,0"));
    unshown.show();
    EXPECT_THROW(unshown.setFormatMask(QStringLiteral("0")), dvRtns4::RoutineError);
}

TEST_F(TextIntTest, ValueSetWritesGeneralTextAndKeepsTheValueWhenTheTextStays) {
    // The general form has the Greek decimal comma, and the numeric value of
    // a text reads only up to it: the box keeps whole numbers.
    control->setValue(1234.5);
    EXPECT_EQ(edit->text(), QStringLiteral("1234,5"));
    EXPECT_EQ(label->text(), QStringLiteral("1.234"));
    EXPECT_DOUBLE_EQ(control->Value().toDouble(), 1234.0);
    control->setValue(QStringLiteral("1234,5"));
    EXPECT_EQ(control->Value(), QVariant(QStringLiteral("1234,5")))
        << "the text did not change, so the assigned value stays";
}

TEST_F(TextIntTest, SettersMarkTheirPropertiesAsChanged) {
    QSignalSpy marks(control, &TextInt::PropertyChanged);
    control->setLocked(true);
    control->setControlEnabled(true);
    control->setCausesValidation(false);
    control->setOutOfLimitsMsg(QStringLiteral("x"));
    control->setMinimum(3);
    QStringList names;
    for (const auto& mark : marks) {
        names << mark.at(0).toString();
    }
    EXPECT_EQ(names, (QStringList{"Locked", "Enabled", "CausesValidation", "OutOfLimitsMsg", "Text",
                                  "Value", "Minimum"}));
    EXPECT_TRUE(edit->isReadOnly());
}

namespace {

// The darkest colour of the label's pixels: its text colour (the text is
// drawn large enough to have solid strokes).
QColor textColour(QLabel* label) {
    const QImage image = label->grab().toImage();
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.lightness() < darkest.lightness()) {
                darkest = c;
            }
        }
    }
    return darkest;
}

} // namespace

TEST_F(TextIntTest, LabelColoursFollowTheEnabledState) {
    QFont big = control->Font();
    big.setPixelSize(30);
    big.setBold(true);
    control->setControlFont(big);
    control->resize(200, 50);
    control->setValue(888);
    const QPalette system = QApplication::palette();
    EXPECT_EQ(textColour(label).rgb(), system.color(QPalette::Active, QPalette::Text).rgb());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));

    control->setControlEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(textColour(label).rgb(), system.color(QPalette::Disabled, QPalette::Text).rgb());
    EXPECT_NE(system.color(QPalette::Disabled, QPalette::Text).rgb(),
              system.color(QPalette::Active, QPalette::Text).rgb());
}

TEST_F(TextIntTest, SettingsAreWrittenInOrderWithDefaultsLeftOut) {
    Dravik::MemoryPropertyBag bag;
    int raisedAfter = -1;
    QObject::connect(control, &TextInt::WriteProperties, control,
                     [&](Dravik::PropertyBag*) { raisedAfter = int(bag.writtenNames().size()); });
    control->SaveProperties(bag);
    EXPECT_EQ(raisedAfter, 0) << "WriteProperties is raised first";
    EXPECT_EQ(bag.writtenNames(),
              (QStringList{"Enabled", "Font", "Locked", "Minimum", "Maximum", "OutOfLimitsMsg",
                           "FormatMask", "Value", "CausesValidation", "Text"}));
    EXPECT_TRUE(bag.values().isEmpty()) << "a new control holds only defaults";
}

TEST_F(TextIntTest, SettingsRoundTripAndTheSavedTextDecidesTheValue) {
    host.setDesignMode(true);
    QFont font(QStringLiteral("DejaVu Serif"), 14);
    control->setControlFont(font);
    control->setLocked(true);
    control->setMinimum(-5);
    control->setMaximum(5000);
    control->setOutOfLimitsMsg(QStringLiteral("Όχι"));
    control->setFormatMask(QStringLiteral("0.0"));
    control->setCausesValidation(false);
    control->setValue(77);
    control->setControlEnabled(false);
    Dravik::MemoryPropertyBag bag;
    control->SaveProperties(bag);
    EXPECT_EQ(bag.value("Text"), QVariant(QStringLiteral("77")));
    bag.setValue("Value", 5); // a stale value: the text wins

    TextInt copy(window.get());
    copy.setHost(&host);
    QSignalSpy changes(&copy, &TextInt::Change);
    int readsBeforeEvent = -1;
    QObject::connect(&copy, &TextInt::ReadProperties, &copy,
                     [&](Dravik::PropertyBag*) { readsBeforeEvent = int(bag.readNames().size()); });
    copy.LoadProperties(bag);
    EXPECT_EQ(readsBeforeEvent, 0);
    EXPECT_EQ(bag.readNames(),
              (QStringList{"Enabled", "Font", "Locked", "Minimum", "Maximum", "OutOfLimitsMsg",
                           "FormatMask", "Value", "CausesValidation", "Text"}));
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.Font(), font);
    EXPECT_TRUE(copy.Locked());
    EXPECT_EQ(copy.Minimum(), -5);
    EXPECT_EQ(copy.Maximum(), 5000);
    EXPECT_EQ(copy.OutOfLimitsMsg(), QStringLiteral("Όχι"));
    EXPECT_EQ(copy.FormatMask(), QStringLiteral("0.0"));
    EXPECT_FALSE(copy.CausesValidation());
    EXPECT_EQ(copy.Text(), QStringLiteral("77,0"));
    EXPECT_DOUBLE_EQ(copy.Value().toDouble(), 77.0);
    EXPECT_EQ(changes.count(), 2) << "once for the empty text, once for the saved text";
}
