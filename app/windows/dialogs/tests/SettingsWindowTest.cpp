// The settings window: the stored values it opens with, the file dialog, the
// order of its save steps, and settings that cannot be stored.
#include "app/windows/dialogs/DesktopServices.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "app/windows/dialogs/frmSetSysParam.h"
#include "app/windows/dialogs/frmSystemInfo.h"
#include "app/windows/dialogs/tests/DialogsFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace lexora::dialogs;

namespace dialogtest {
namespace {

const QString kKey = QStringLiteral("DRAVIK\\LEXORA");
const QString kValue = QStringLiteral("Application2Open");

class SettingsWindowTest : public DialogsFixture {
protected:
    bool buttonShowsPicture3() const {
        return controls.cmdpicWordlaw->icon().cacheKey() ==
               form.page.documentPicture(lexora::shell::DocumentPicture::Other).cacheKey();
    }
};

TEST_F(SettingsWindowTest, OpensWithTheStoredValues) {
    context.state.gDocumentViewerPath = QStringLiteral("/usr/bin/libreoffice");
    for (int stored : {1, 0}) {
        setStoredSysInfo(stored);
        frmSetSysParam& window = dialogs->OpenSettingsWindow();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Ορισμός Παραμέτρων Εφαρμογής"));
        EXPECT_EQ(window.chksysdisp1->isChecked(), stored == 1);
        EXPECT_EQ(window.tbFileName->text(), QStringLiteral("/usr/bin/libreoffice"));
        EXPECT_EQ(window.cmdFileName->text(), texts::kCmdFileName);
        EXPECT_EQ(window.chksysdisp1->text(), texts::kChkSysDisp);
        EXPECT_EQ(window.cmdSetSysParamOK->text(), QStringLiteral("Κλείσιμο"));
    }
    // Opened again while open: the same window, its box set afresh.
    EXPECT_EQ(mainWindow->findChildren<frmSetSysParam*>().size(), 1);
}

TEST_F(SettingsWindowTest, FileDialogFillsTheBoxOrPutsTheDefaultNameOnCancel) {
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    chooser.answer = QStringLiteral("/opt/office/bin/soffice");
    window.cmdFileName->click();
    EXPECT_EQ(window.tbFileName->text(), QStringLiteral("/opt/office/bin/soffice"));
    ASSERT_EQ(chooser.asked.size(), 1U);
    // Every file and the desktop's applications, from the program folder.
    EXPECT_EQ(chooser.asked[0].filter.split(QStringLiteral(";;")),
              (QStringList{QStringLiteral("Προγράμματα (*)"),
                           QStringLiteral("Εφαρμογές επιφάνειας εργασίας (*.desktop)")}));
    EXPECT_EQ(chooser.asked[0].startFolder, QStringLiteral("/usr/bin"));
    EXPECT_TRUE(chooser.asked[0].fileName.isEmpty());

    chooser.answer.reset();
    window.cmdFileName->click();
    EXPECT_EQ(window.tbFileName->text(), QStringLiteral("EXCEL.EXE"));
    window.cmdSetSysParamOK->click();
    EXPECT_EQ(userStore.value(kKey, kValue), QStringLiteral("EXCEL.EXE"));
}

TEST_F(SettingsWindowTest, SavesInOrderAndClosesTheInformationWindowWhenTicked) {
    setStoredSysInfo(0);
    dialogs->showInformationWindow();
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    window.tbFileName->setText(QStringLiteral("  /usr/bin/soffice  "));
    window.chksysdisp1->setChecked(true);

    // What the other steps had done when the setting was written.
    QString pathAtWrite;
    bool buttonChangedAtWrite = true;
    int storedAtWrite = -2;
    userStore.onWrite = [&] {
        pathAtWrite = context.state.gDocumentViewerPath;
        buttonChangedAtWrite = buttonShowsPicture3();
        storedAtWrite = storedSysInfo();
    };
    window.cmdSetSysParamOK->click();

    EXPECT_EQ(pathAtWrite, QStringLiteral("/usr/bin/soffice"));
    EXPECT_FALSE(buttonChangedAtWrite);
    EXPECT_EQ(storedAtWrite, 0);

    EXPECT_EQ(context.state.gDocumentViewerPath, QStringLiteral("/usr/bin/soffice"));
    EXPECT_EQ(userStore.value(kKey, kValue), QStringLiteral("/usr/bin/soffice"));
    EXPECT_EQ(controls.cmdpicWordlaw->toolTip(),
              QStringLiteral("Προβολή εγγράφου με /usr/bin/soffice"));
    EXPECT_TRUE(buttonShowsPicture3());
    EXPECT_EQ(storedSysInfo(), 1);
    EXPECT_EQ(dialogs->informationWindow(), nullptr);
    EXPECT_EQ(dialogs->settingsWindow(), nullptr);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsWindowTest, ClearedBoxKeepsTheInformationWindowOpen) {
    setStoredSysInfo(1);
    dialogs->showInformationWindow();
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    window.chksysdisp1->setChecked(false);
    window.cmdSetSysParamOK->click();
    EXPECT_EQ(storedSysInfo(), 0);
    EXPECT_NE(dialogs->informationWindow(), nullptr);
}

TEST_F(SettingsWindowTest, EmptyPathStoresABlankAndLeavesTheButton) {
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    window.tbFileName->setText(QStringLiteral("   "));
    window.cmdSetSysParamOK->click();
    EXPECT_EQ(context.state.gDocumentViewerPath, QString());
    EXPECT_EQ(userStore.value(kKey, kValue), QStringLiteral(" "));
    EXPECT_EQ(controls.cmdpicWordlaw->toolTip(),
              QStringLiteral("Προβολή εγγράφου με LibreOffice Writer"));
    EXPECT_EQ(controls.cmdpicWordlaw->icon().cacheKey(),
              form.page.documentPicture(lexora::shell::DocumentPicture::Rtf).cacheKey());
}

TEST_F(SettingsWindowTest, CloseBoxSavesNothing) {
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    window.tbFileName->setText(QStringLiteral("/usr/bin/soffice"));
    window.chksysdisp1->setChecked(true);
    window.close();
    EXPECT_TRUE(userStore.values.isEmpty());
    EXPECT_TRUE(context.state.gDocumentViewerPath.isEmpty());
    EXPECT_EQ(storedSysInfo(), 0);
    EXPECT_EQ(dialogs->settingsWindow(), nullptr);
}

// A read-only settings file or database: each failure is told once, and the
// other steps still run.
struct FailureCase {
    const char* name;
    bool settingsFail;
    bool databaseFails;
};

class SettingsFailureTest : public SettingsWindowTest,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SettingsFailureTest, ReportsWhatWasNotSavedAndGoesOn) {
    const FailureCase& c = GetParam();
    frmSetSysParam& window = dialogs->OpenSettingsWindow();
    window.tbFileName->setText(QStringLiteral("/usr/bin/soffice"));
    window.chksysdisp1->setChecked(true);
    userStore.failWrites = c.settingsFail;
    if (c.databaseFails)
        db.exec(QStringLiteral("DROP TABLE system_law_parameters;"));

    window.cmdSetSysParamOK->click();

    std::vector<QString> expected;
    if (c.settingsFail)
        expected.push_back(texts::kProgramNotSaved);
    if (c.databaseFails)
        expected.push_back(texts::kInfoChoiceNotSaved);
    ASSERT_EQ(messages.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(messages.shown[i].title, texts::kSaveFailedTitle);
        EXPECT_TRUE(messages.shown[i].text.startsWith(expected[i]))
            << messages.shown[i].text.toStdString();
    }
    EXPECT_EQ(context.state.gDocumentViewerPath, QStringLiteral("/usr/bin/soffice"));
    EXPECT_TRUE(buttonShowsPicture3());
    EXPECT_EQ(dialogs->settingsWindow(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFailureTest,
                         ::testing::Values(FailureCase{"SettingsFileReadOnly", true, false},
                                           FailureCase{"DatabaseReadOnly", false, true},
                                           FailureCase{"BothReadOnly", true, true}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace dialogtest

namespace dialogtest {
namespace {

// The desktop's file dialog as the chooser sets it up for the settings window.
TEST(WidgetFileChooserTest, OffersEveryFileFromTheProgramFolder) {
    WidgetFileChooser chooser;
    QStringList filters;
    QString folder;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        folder = dialog->directory().absolutePath();
        dialog->reject();
    });
    const std::optional<QString> chosen =
        chooser.chooseFile(nullptr, texts::kProgramFilter, texts::kProgramFolder, QString());
    EXPECT_FALSE(chosen.has_value());
    ASSERT_EQ(filters.size(), 2);
    EXPECT_TRUE(filters[0].endsWith(QStringLiteral("(*)"))) << filters[0].toStdString();
    EXPECT_TRUE(filters[1].endsWith(QStringLiteral("(*.desktop)")));
    EXPECT_EQ(folder, QStringLiteral("/usr/bin"));
}

} // namespace
} // namespace dialogtest
