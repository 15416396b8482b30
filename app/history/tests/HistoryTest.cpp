// The history list and its file: loading, saving (also when the write
// fails), files beyond the reading limits, files that are not regular files,
// the two save commands with their messages, the law viewer's save
// button, choosing and deleting entries.
#include "app/history/HistoryCommands.h"
#include "app/history/HistoryFile.h"
#include "app/history/HistoryInstall.h"
#include "app/history/HistoryList.h"
#include "app/shell/Panes.h"
#include "app/shell/tests/PaneControls.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/MainWindowHooks.h"
#include "app/windows/lawviewer/frmhotbrowser.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace lexora::history;

namespace {

const char* const kActs = R"SQL(
INSERT INTO LAWTYPE VALUES (1,'Νόμοι',1,1,1);
INSERT INTO law (law_id,law_code,title,descr,type_id,all_law_flag) VALUES
  (7,'1566/1985','Νόμος 1566/1985','<p>Δομή της εκπαίδευσης</p>',1,1),
  (12,'2525/1997','Νόμος 2525/1997','<p>Ολοήμερο</p>',1,1),
  (30,'79/2017',NULL,'<p>Χωρίς τίτλο</p>',1,1);
)SQL";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() : db(QString::fromUtf8(kActs)), f(&window, testsupport::testTabCaptions()) {
        context.connection.open(engine::connectionTextFor(db.path(), QString()));
        context.state.applicationFolder = db.folder();
        controls.brwWebBrowser3->Navigate(QStringLiteral("about:blank"));
    }
    QString path() const { return historyFilePath(db.folder()); }
    std::vector<std::int32_t> ids() const {
        std::vector<std::int32_t> result;
        for (int row = 0; row < controls.lsthistory->count(); ++row)
            result.push_back(entryLawId(*controls.lsthistory, row));
        return result;
    }
    void select(int row) { controls.lsthistory->setCurrentRow(row); }

    testsupport::FixtureDatabase db;
    lexora::startup::ProgramContext context;
    QWidget window;
    lexora::shell::Panes f;
    testsupport::PaneControls controls{&window};
    testsupport::RecordingMessages messages;
};

// --- File -------------------------------------------------------------------

TEST_F(HistoryTest, LoadingReadsIdsUpToTheFirstLineThatIsNotAnId) {
    const struct {
        const char* content;
        std::vector<std::int32_t> loaded;
    } cases[] = {
        {"12\r\n7\r\n", {12, 7}},
        {"12\r\n7", {12, 7}},      // last line without CR LF
        {"12\n7\n", {12, 7}},      // LF alone
        {"12\r\n\r\n7\r\n", {12}}, // an empty line stops
        {"12\r\n7 OR 1=1\r\n30\r\n", {12}},
        {"12\r\n-7\r\n", {12}},
        {"99999999999\r\n7\r\n", {}},    // does not fit in 32 bits
        {"12\r\n555\r\n7\r\n", {12, 7}}, // no such act: no entry, loading goes on
        {"", {}},
        {"30\r\n", {30}}, // a null title gives an empty text
    };
    for (const auto& c : cases) {
        controls.lsthistory->clear();
        writeFile(path(), QByteArray(c.content));
        LoadHistory(*controls.lsthistory, context.connection, path());
        EXPECT_EQ(ids(), c.loaded) << c.content;
    }
    EXPECT_EQ(controls.lsthistory->item(0)->text(), QString());
}

TEST_F(HistoryTest, MissingFileGivesAnEmptyList) {
    LoadHistory(*controls.lsthistory, context.connection, path());
    EXPECT_EQ(controls.lsthistory->count(), 0);
}

TEST_F(HistoryTest, FileRoundTripKeepsOrderAndTitles) {
    writeFile(path(), "12\r\n7\r\n");
    LoadHistory(*controls.lsthistory, context.connection, path());
    ASSERT_EQ(ids(), (std::vector<std::int32_t>{12, 7}));
    EXPECT_EQ(controls.lsthistory->item(0)->text(), QStringLiteral("Νόμος 2525/1997"));
    EXPECT_EQ(controls.lsthistory->item(1)->text(), QStringLiteral("Νόμος 1566/1985"));

    context.state.gLegislationLawId = 30;
    context.state.gMainWindowActive = 1;
    cmdpicsavewholelaw_Click(f, context);
    ASSERT_TRUE(save_history(*controls.lsthistory, path()));
    EXPECT_EQ(readFile(path()), QByteArray("12\r\n7\r\n30\r\n"));

    QListWidget again;
    LoadHistory(again, context.connection, path());
    ASSERT_EQ(again.count(), 3);
    EXPECT_EQ(again.item(2)->data(kLawIdRole).toInt(), 30);
}

TEST_F(HistoryTest, EmptyListWritesAnEmptyFile) {
    writeFile(path(), "12\r\n");
    ASSERT_TRUE(save_history(*controls.lsthistory, path()));
    EXPECT_EQ(readFile(path()), QByteArray());
}

TEST_F(HistoryTest, FailedWriteLeavesTheOldFile) {
    writeFile(path(), "12\r\n7\r\n");
    LoadHistory(*controls.lsthistory, context.connection, path());
    for (int i = 0; i < 2000; ++i) // a list larger than the write allows
        controls.lsthistory->addItem(QStringLiteral("x"));

    // Writes beyond 64 bytes fail while the limit holds.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = save_history(*controls.lsthistory, path());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(path()), QByteArray("12\r\n7\r\n"));
    EXPECT_EQ(QDir(db.folder()).entryList({QStringLiteral("history.txt*")}, QDir::Files),
              QStringList{QStringLiteral("history.txt")});
}

// --- Damaged and hostile files ----------------------------------------------

TEST(HistoryFileLimits, LargeFilesAreReadUpToTheLimitsInLinearTime) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("history.txt"));
    const QByteArray idLine("1234567\r\n");
    const struct {
        const char* what;
        QByteArray content;
        std::size_t loaded;
        bool leftOut;
    } cases[] = {
        {"as many entries as the limit", idLine.repeated(kMaxHistoryEntries), kMaxHistoryEntries,
         false},
        {"more entries than the limit", idLine.repeated(kMaxHistoryEntries + 1), kMaxHistoryEntries,
         true},
        {"a file beyond the size limit, of short lines", QByteArray("7\r\n").repeated(400000),
         kMaxHistoryEntries, true},
        {"ten megabytes of digits on one line", QByteArray(10 * 1024 * 1024, '7'), 0, true},
        {"a list ended by a line that is not an id, then more",
         idLine + "x\r\n" + idLine.repeated(kMaxHistoryEntries + 5), 1, false},
    };
    for (const auto& c : cases) {
        writeFile(file, c.content);
        QElapsedTimer clock;
        clock.start();
        const HistoryRead read = readHistory(file);
        EXPECT_LT(clock.elapsed(), 5000) << c.what;
        EXPECT_EQ(read.status, HistoryRead::Status::Read) << c.what;
        EXPECT_EQ(read.ids.size(), c.loaded) << c.what;
        EXPECT_EQ(read.leftOut, c.leftOut) << c.what;
    }
}

TEST_F(HistoryTest, PartlyReadFileIsReplacedOnlyWithTheUsersConsent) {
    const QByteArray content = QByteArray("12\r\n") + QByteArray(2 * 1024 * 1024, '7');
    for (const auto answer : {dvRtns4::MsgResult::No, dvRtns4::MsgResult::Yes}) {
        writeFile(path(), content);
        controls.lsthistory->clear();
        messages.shown.clear();
        HistoryFileState loaded = LoadHistory(*controls.lsthistory, context.connection, path());
        EXPECT_EQ(ids(), (std::vector<std::int32_t>{12}));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Ιστορικό"));

        messages.answers.push_back(answer);
        const bool saved = save_history(*controls.lsthistory, path(), &loaded);
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[1].buttons, dvRtns4::MsgButtons::YesNo);
        if (answer == dvRtns4::MsgResult::No) {
            EXPECT_FALSE(saved);
            EXPECT_EQ(readFile(path()), content);
            // Asked once: the law viewer's save later in the run keeps it too.
            EXPECT_FALSE(save_history(*controls.lsthistory, path(), &loaded));
            EXPECT_EQ(messages.shown.size(), 2u);
        } else {
            EXPECT_TRUE(saved);
            EXPECT_EQ(readFile(path()), QByteArray("12\r\n"));
        }
    }
}

TEST_F(HistoryTest, FilesThatAreNotRegularAreNeitherReadNorWrittenThrough) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("target.txt"));
    const struct {
        const char* what;
        std::function<void()> plant;
        std::function<void()> checkUntouched;
    } cases[] = {
        {"a link to another file",
         [&] {
             writeFile(target, "12\r\n");
             ASSERT_TRUE(QFile::link(target, path()));
         },
         [&] {
             EXPECT_EQ(readFile(target), QByteArray("12\r\n"));
             EXPECT_TRUE(QFileInfo(path()).isSymLink());
         }},
        {"a link to a file that does not exist", [&] { ASSERT_TRUE(QFile::link(target, path())); },
         [&] { EXPECT_FALSE(QFileInfo::exists(target)); }},
        {"a link to a device",
         [&] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path())); },
         [&] { EXPECT_TRUE(QFileInfo(path()).isSymLink()); }},
        {"a folder", [&] { ASSERT_TRUE(QDir(db.folder()).mkdir(QStringLiteral("history.txt"))); },
         [&] { EXPECT_TRUE(QFileInfo(path()).isDir()); }},
        {"a pipe", [&] { ASSERT_EQ(mkfifo(QFile::encodeName(path()).constData(), 0600), 0); },
         [&] { EXPECT_FALSE(QFileInfo(path()).isFile()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(target);
        QFile::remove(path());
        QDir(db.folder()).rmdir(QStringLiteral("history.txt"));
        c.plant();
        controls.lsthistory->clear();
        messages.shown.clear();

        HistoryFileState loaded = LoadHistory(*controls.lsthistory, context.connection, path());
        EXPECT_EQ(controls.lsthistory->count(), 0);
        EXPECT_EQ(messages.shown.size(), 1u);

        controls.lsthistory->addItem(QStringLiteral("x"));
        EXPECT_FALSE(save_history(*controls.lsthistory, path(), &loaded));
        // Nor through the file alone, without what the load learnt.
        EXPECT_FALSE(writeHistoryFile(path(), {7}));
        c.checkUntouched();
    }
    QFile::remove(path());
}

// --- Save commands ----------------------------------------------------------

TEST_F(HistoryTest, TopicSaveNeedsAnActAndAnAbstract) {
    auto& s = context.state;
    s.gAbstract = true;
    s.gScheduleAbstract = true;

    cmdpichistory_Click(f, context); // no act opened from a topic page
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Ανεπιτυχής Αποθήκευση στο Ιστορικό"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Δεν έχετε επιλέξει Νομοθέτημα για αποθήκευση.Για αποθήκευση "
                             "Νομοθετήματος στο Ιστορικό πρέπει να επιλέξετε πρώτα το σύνδεσμο "
                             "του Νομοθετήματος που θέλετε να αποθηκεύσετε"));

    s.gTopicsLawId = 12;
    s.gAbstract = false; // the topic page has no abstract text: silently nothing
    cmdpichistory_Click(f, context);
    EXPECT_EQ(controls.lsthistory->count(), 0);
    EXPECT_EQ(s.gCurrentLawId, 12);

    s.gAbstract = true;
    cmdpichistory_Click(f, context);
    EXPECT_EQ(ids(), std::vector<std::int32_t>{12});
    EXPECT_EQ(controls.lsthistory->item(0)->text(), QStringLiteral("Νόμος 2525/1997"));
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(path())); // the file is written when a window unloads
}

TEST_F(HistoryTest, SavingAnActTwiceGivesTheDuplicateMessage) {
    auto& s = context.state;
    s.gTopicsLawId = 7;
    s.gAbstract = s.gScheduleAbstract = true;
    cmdpichistory_Click(f, context);
    s.gLegislationLawId = 7;
    s.gMainWindowActive = 1;
    cmdpicsavewholelaw_Click(f, context);

    EXPECT_EQ(ids(), std::vector<std::int32_t>{7});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Ανεπιτυχής Αποθήκευση"));
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Υπάρχει ήδη αποθηκευμένο το τρέχον Νομοθέτημα στο Ιστορικό"));
}

TEST_F(HistoryTest, ActSaveTakesTheActOfTheActiveWindow) {
    const struct {
        int mainActive;
        int viewerActive;
        std::int32_t current;
        std::vector<std::int32_t> saved;
    } cases[] = {
        {1, 0, 0, {12}},  // legislation tab
        {0, 1, 0, {7}},   // law viewer window
        {1, 1, 0, {7}},   // both flags: the viewer's act
        {0, 0, 30, {30}}, // neither: the current act stays
        {0, 0, 0, {}},    // nothing chosen: no message
    };
    for (const auto& c : cases) {
        controls.lsthistory->clear();
        auto& s = context.state;
        s.gLegislationLawId = 12;
        s.gViewerLawId = 7;
        s.gMainWindowActive = c.mainActive;
        s.gViewerActive = c.viewerActive;
        s.gCurrentLawId = c.current;
        s.gAbstract = s.gScheduleAbstract = false; // not consulted here
        cmdpicsavewholelaw_Click(f, context);
        EXPECT_EQ(ids(), c.saved) << c.mainActive << c.viewerActive;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(HistoryTest, LawViewerSaveButtonSavesTheActItShows) {
    lexora::windows::MainWindowHooks hooks;
    lexora::windows::LawViewerHooks viewerHooks;
    installHistory(f, hooks, context, viewerHooks);
    lexora::windows::setLawViewerHooks(viewerHooks);

    auto& s = context.state;
    s.gLegislationLawId = 12; // chosen in the main window
    s.gViewerLawId = 7;       // shown in the viewer
    s.gMainWindowActive = 0;
    s.gViewerActive = 1;
    {
        lexora::windows::frmhotbrowser viewer(f, context);
        viewer.cmdpicsavewholelaw->click();
        EXPECT_EQ(ids(), std::vector<std::int32_t>{7});
        viewer.Form_Unload(); // writes the history file
    }
    EXPECT_EQ(readFile(path()), QByteArray("7\r\n"));
    lexora::windows::setLawViewerHooks({});
}

// --- Choose and delete ------------------------------------------------------

TEST_F(HistoryTest, ChoosingAnEntryShowsItsAct) {
    writeFile(path(), "12\r\n7\r\n");
    LoadHistory(*controls.lsthistory, context.connection, path());

    select(1);
    lsthistory_Click(f, context);
    const QString shown = controls.brwWebBrowser3->Document().body().innerHTML();
    EXPECT_TRUE(shown.contains(QStringLiteral("Δομή της εκπαίδευσης"))) << shown.toStdString();

    controls.lsthistory->setCurrentRow(-1);
    lsthistory_Click(f, context);
    EXPECT_EQ(controls.brwWebBrowser3->LocationURL(), QStringLiteral("about:blank"));
    EXPECT_TRUE(controls.brwWebBrowser3->Document().body().innerHTML().isEmpty());
}

TEST_F(HistoryTest, DeleteRemovesTheChosenEntryAndClearsTheActShown) {
    writeFile(path(), "12\r\n7\r\n30\r\n");
    LoadHistory(*controls.lsthistory, context.connection, path());

    Cmddelete_Click(f, context); // nothing chosen: nothing happens
    EXPECT_EQ(controls.lsthistory->count(), 3);

    controls.rtbWordLaw->SetText(QStringLiteral("έγγραφο"));
    controls.rtbWordLaw->show();
    controls.brwWebBrowserLawFile->hide();
    controls.brwWebBrowser3->hide();
    select(1);
    Cmddelete_Click(f, context);
    EXPECT_EQ(ids(), (std::vector<std::int32_t>{12, 30}));
    EXPECT_EQ(controls.lsthistory->currentItem(), nullptr);
    EXPECT_TRUE(controls.rtbWordLaw->isHidden());
    EXPECT_TRUE(controls.rtbWordLaw->Text().isEmpty());
    EXPECT_FALSE(controls.brwWebBrowser3->isHidden());

    save_history(*controls.lsthistory, path());
    EXPECT_EQ(readFile(path()), QByteArray("12\r\n30\r\n"));
}

TEST_F(HistoryTest, InstalledHooksLoadAndSaveTheApplicationFolderFile) {
    lexora::windows::MainWindowHooks hooks;
    lexora::windows::LawViewerHooks viewerHooks;
    installHistory(f, hooks, context, viewerHooks);
    writeFile(path(), "7\r\n12\r\n");
    hooks.loadHistory();
    EXPECT_EQ(ids(), (std::vector<std::int32_t>{7, 12}));

    select(0);
    controls.Cmddelete->click();
    hooks.saveHistory();
    EXPECT_EQ(readFile(path()), QByteArray("12\r\n"));
}

} // namespace
