// The toolkit's dialogs and menus speak Greek once the translations are
// installed: the print dialog, the file dialog, message boxes and the
// context menu of a text box.
#include "platform/translations/GreekStandardTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

using lexora::translations::installGreekTranslations;

namespace {

// The text as the user reads it: without the mnemonic marker and without the
// shortcut a menu shows after a tab.
QString shown(QString text) {
    text = text.section(u'\t', 0, 0);
    return text.remove(u'&');
}

// Greek words; the name of a file format ("PDF") may stand among them.
bool readsGreek(QString text) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression greek(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
    text.remove(QStringLiteral("PDF"));
    return !text.contains(latin) && text.contains(greek);
}

// Every button and label of a dialog that carries letters at all.
QStringList englishTexts(const QWidget& dialog) {
    static const QRegularExpression letters(QStringLiteral("\\p{L}"));
    QStringList found;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString text = shown(button->text());
        if (button->isVisibleTo(&dialog) && text.contains(letters) && !readsGreek(text))
            found << text;
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const QString text = shown(label->text());
        if (label->isVisibleTo(&dialog) && text.contains(letters) && !readsGreek(text))
            found << text;
    }
    return found;
}

class GreekStandardTextsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installGreekTranslations(*qApp); }
};

} // namespace

TEST_F(GreekStandardTextsTest, PrintDialogButtonsReadGreek) {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QApplication::processEvents();

    const QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QStringList roles;
    for (const QAbstractButton* button : buttons->buttons())
        roles << shown(button->text());
    EXPECT_TRUE(roles.contains(QStringLiteral("Εκτύπωση"))) << roles.join(u'|').toStdString();
    EXPECT_TRUE(roles.contains(QStringLiteral("Άκυρο"))) << roles.join(u'|').toStdString();
    EXPECT_EQ(englishTexts(dialog), QStringList());
}

TEST_F(GreekStandardTextsTest, FileDialogButtonsAndLabelsReadGreek) {
    QFileDialog dialog(nullptr, QStringLiteral("Επιλογή"), QDir::tempPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.show();
    QApplication::processEvents();

    const QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(shown(buttons->button(QDialogButtonBox::Open)->text()), QStringLiteral("Άνοιγμα"));
    EXPECT_EQ(shown(buttons->button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Άκυρο"));
    EXPECT_EQ(englishTexts(dialog), QStringList());
}

TEST_F(GreekStandardTextsTest, MessageBoxesAndContextMenusReadGreek) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ερώτηση"), QStringLiteral("Συνέχεια;"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(shown(box.button(QMessageBox::Ok)->text()), QStringLiteral("Εντάξει"));
    EXPECT_EQ(shown(box.button(QMessageBox::Cancel)->text()), QStringLiteral("Άκυρο"));
    EXPECT_EQ(shown(box.button(QMessageBox::Yes)->text()), QStringLiteral("Ναι"));
    EXPECT_EQ(shown(box.button(QMessageBox::No)->text()), QStringLiteral("Όχι"));

    QLineEdit edit(QStringLiteral("κείμενο"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_TRUE(readsGreek(shown(action->text()))) << action->text().toStdString();
    }
}
