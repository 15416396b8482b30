// The start-up sequence, branch by branch: stale-copy removal, a second
// instance, wrong regional settings, a missing, damaged or old database, a
// refused library, failing opens and the way to the main window.
#include "app/startup/ProgramContext.h"
#include "app/startup/modMain.h"
#include "app/startup/tests/StartupDoubles.h"
#include "platform/system/InstanceLock.h"
#include "routines/IniSettingsStore.h"
#include "tests/support/FixtureDatabase.h"
#include "tests/support/RecordingMessages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace lexora::startup;
using dvRtns4::IniSettingsStore;
using lexora::platform::LocaleInfo;

namespace {

const QString kWindowsVersionKey = QStringLiteral("Microsoft\\Windows\\CurrentVersion");

class MainTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString applicationFolder = dir.path() + QStringLiteral("/app");
    IniSettingsStore user{dir.path() + QStringLiteral("/config/DRAVIK/Software.ini")};
    IniSettingsStore machine{dir.path() + QStringLiteral("/etc/DRAVIK/SOFTWARE.ini")};
    IniSettingsStore regional{dir.path() + QStringLiteral("/config/DRAVIK/ControlPanel.ini")};
    testsupport::RecordingMessages messages;
    startuptest::FakeInstanceLock lock;
    startuptest::FakeLocale locale;
    startuptest::FakeOsVersion os;
    startuptest::RecordingFileSystem files;
    startuptest::FakeDatabaseOpener database;
    startuptest::RecordingMainWindow mainWindow;
    int libraryCalls = 0;
    bool libraryAccepts = true;
    int ended = 0;
    lexora::platform::InstanceLock* instanceLock = &lock;
    QStringList modalWindowsSeen;
    QTimer modalCloser;
    std::unique_ptr<ProgramContext> context = std::make_unique<ProgramContext>();
    lexora::startup::DataFiles* dataFiles = nullptr;
    QString userDataFolder;

    void SetUp() override { QDir().mkpath(applicationFolder); }

    void run() {
        StartupServices services{messages,
                                 user,
                                 machine,
                                 regional,
                                 *instanceLock,
                                 locale,
                                 os,
                                 files,
                                 database,
                                 mainWindow,
                                 [this] {
                                     ++libraryCalls;
                                     return libraryAccepts;
                                 },
                                 [this] { ++ended; },
                                 applicationFolder,
                                 QStringLiteral("Lexora"),
                                 dataFiles,
                                 userDataFolder};
        Main(services, *context);
    }

    // Closes the next modal window that opens, through `how`.
    void closeModalWindowBy(std::function<void(QWidget*)> how) {
        modalCloser.setInterval(10);
        QObject::connect(&modalCloser, &QTimer::timeout, [this, how] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalWindowsSeen << modal->objectName();
                modalCloser.stop();
                how(modal);
            }
        });
        modalCloser.start();
    }

    void putDatabase(const QByteArray& bytes) {
        QFile file(applicationFolder + QStringLiteral("/edudata.mdb"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void putDatabase(const testsupport::FixtureDatabase& fixture) {
        ASSERT_TRUE(
            QFile::copy(fixture.path(), applicationFolder + QStringLiteral("/edudata.mdb")));
    }
    static QByteArray bytesOf(const testsupport::FixtureDatabase& fixture) {
        QFile file(fixture.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool nothingAfterTheRegionalTest() const {
        return files.fileQueries.isEmpty() && !context->waitWindow && database.mainOpens == 0 &&
               libraryCalls == 0 && mainWindow.created == 0;
    }
};

// Stale copies.

class StaleCopyTest : public MainTest {
protected:
    QString programFiles = dir.path() + QStringLiteral("/programs");
    QString staleFolder = programFiles + QStringLiteral("/LEXORA");

    void SetUp() override {
        MainTest::SetUp();
        QDir().mkpath(staleFolder);
        for (const char* name : {"lexora", "edudata.mdb", "history.txt"}) {
            QFile file(staleFolder + QLatin1Char('/') + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        locale.values[LocaleInfo::SDate] = QStringLiteral("-"); // stop before the database
    }
    bool stale(const char* name) const {
        return QFile::exists(staleFolder + QLatin1Char('/') + QLatin1String(name));
    }
    void setProgramFiles(const QString& value) {
        ASSERT_TRUE(machine.write(kWindowsVersionKey, QStringLiteral("ProgramFilesDir"), value));
    }
};

TEST_F(StaleCopyTest, ProgramAndDatabaseAreRemovedFromTheDefaultFolder) {
    setProgramFiles(programFiles + QLatin1Char('/'));
    run();
    EXPECT_FALSE(stale("lexora"));
    EXPECT_FALSE(stale("edudata.mdb"));
    EXPECT_TRUE(stale("history.txt"));
}

TEST_F(StaleCopyTest, ReadOnlyFilesStay) {
    setProgramFiles(programFiles);
    QFile::setPermissions(staleFolder + QStringLiteral("/lexora"), QFileDevice::ReadOwner);
    run();
    EXPECT_TRUE(stale("lexora"));
    EXPECT_FALSE(stale("edudata.mdb"));
}

TEST_F(StaleCopyTest, NothingIsRemovedWithoutAValue) {
    run(); // no machine store at all
    ASSERT_TRUE(machine.write(kWindowsVersionKey, QStringLiteral("CommonFilesDir"), programFiles));
    run();
    setProgramFiles(QString());
    run();
    setProgramFiles(QStringLiteral("   "));
    run();
    EXPECT_TRUE(stale("lexora"));
    EXPECT_TRUE(stale("edudata.mdb"));
    EXPECT_TRUE(files.removed.isEmpty());
}

TEST_F(StaleCopyTest, NothingIsRemovedWhenTheDefaultFolderIsTheApplicationFolder) {
    const struct {
        const char* what;
        QString programFilesValue;
    } cases[] = {
        {"same spelling", programFiles},
        {"through a link", dir.path() + QStringLiteral("/link")},
        {"with dots", programFiles + QStringLiteral("/../programs/.")},
    };
    ASSERT_TRUE(QFile::link(programFiles, dir.path() + QStringLiteral("/link")));
    applicationFolder = staleFolder + QLatin1Char('/');
    for (const auto& c : cases) {
        setProgramFiles(c.programFilesValue);
        run();
        EXPECT_TRUE(stale("lexora")) << c.what;
        EXPECT_TRUE(stale("edudata.mdb")) << c.what;
    }
    EXPECT_TRUE(files.removed.isEmpty());
}

TEST_F(StaleCopyTest, SpellingInOtherLetterCaseCountsAsTheApplicationFolder) {
    // Here the two spellings are two folders; the copy there is kept all the same.
    const QString otherCase = dir.path() + QStringLiteral("/PROGRAMS");
    QDir().mkpath(otherCase + QStringLiteral("/LEXORA"));
    QFile copy(otherCase + QStringLiteral("/LEXORA/lexora"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.close();
    applicationFolder = staleFolder;
    setProgramFiles(otherCase);
    run();
    EXPECT_TRUE(QFile::exists(copy.fileName()));
    EXPECT_TRUE(stale("lexora"));
}

TEST_F(StaleCopyTest, LinksToTheApplicationFolderFilesAreLeftAlone) {
    QFile::remove(staleFolder + QStringLiteral("/edudata.mdb"));
    putDatabase(QByteArray("mine"));
    ASSERT_TRUE(QFile::link(applicationFolder + QStringLiteral("/edudata.mdb"),
                            staleFolder + QStringLiteral("/edudata.mdb")));
    setProgramFiles(programFiles);
    run();
    EXPECT_TRUE(QFile::exists(applicationFolder + QStringLiteral("/edudata.mdb")));
    EXPECT_FALSE(stale("lexora"));
}

// Second instance and regional settings.

TEST_F(MainTest, SecondInstanceIsWarnedAndNothingElseStarts) {
    locale.values[LocaleInfo::ITime] = QStringLiteral("0"); // would fail the regional test too
    lock.free = false;
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Exclamation);
    EXPECT_EQ(messages.shown[0].buttons, dvRtns4::MsgButtons::OkOnly);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Είσοδος στη Kestrani"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Η εφαρμογή \"τρέχει\" ήδη!"));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(nothingAfterTheRegionalTest());
    EXPECT_FALSE(context->regionalSettingsWindow);
}

TEST_F(MainTest, LockHeldByAnotherRunRefusesThisOne) {
    const QString lockPath = dir.path() + QStringLiteral("/lexora.lock");
    lexora::platform::LockFileInstanceLock firstRun(lockPath);
    ASSERT_TRUE(firstRun.tryLock());
    lexora::platform::LockFileInstanceLock thisRun(lockPath);
    instanceLock = &thisRun;
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Η εφαρμογή \"τρέχει\" ήδη!"));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(database.mainOpens, 0);
}

TEST_F(MainTest, WrongRegionalSettingsShowTheirWindowAndNoDatabaseStep) {
    putDatabase(QByteArray());
    locale.values[LocaleInfo::SDate] = QStringLiteral("-");
    run();
    ASSERT_TRUE(context->regionalSettingsWindow);
    EXPECT_TRUE(context->regionalSettingsWindow->isVisible());
    EXPECT_TRUE(nothingAfterTheRegionalTest());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(lock.asked, 1);
    // Leaving the window ends the program.
    context->regionalSettingsWindow->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    EXPECT_EQ(ended, 1);
}

// The database steps.

TEST_F(MainTest, MissingDatabaseIsReportedWithoutTheLibrary) {
    context->state.gTopicsLawId = 7;
    context->state.gNodeMarker = QStringLiteral("p");
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_TRUE(messages.shown[0].title.isEmpty());
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Δεν βρέθηκαν τα δεδομένα της εφαρμογής! Βεβαιωθείτε ότι έχετε "
                             "εκτελέσει το πρόγραμμα εγκατάστασης Setup"));
    EXPECT_EQ(files.fileQueries, QStringList{applicationFolder + QStringLiteral("/edudata.mdb")});
    EXPECT_EQ(libraryCalls, 0);
    EXPECT_EQ(database.mainOpens, 0);
    EXPECT_EQ(ended, 1);
    ASSERT_TRUE(context->waitWindow);
    EXPECT_EQ(context->state.gTopicsLawId, 0);
    EXPECT_TRUE(context->state.gNodeMarker.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MainTest, FolderNamedLikeTheDatabaseIsMissingDatabase) {
    QDir().mkpath(applicationFolder + QStringLiteral("/edudata.mdb"));
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Δεν βρέθηκαν τα δεδομένα")));
    EXPECT_EQ(libraryCalls, 0);
}

TEST_F(MainTest, RefusedLibraryEndsBeforeTheDatabaseOpens) {
    putDatabase(QByteArray());
    libraryAccepts = false;
    run();
    EXPECT_EQ(libraryCalls, 1);
    EXPECT_EQ(database.mainOpens, 0);
    EXPECT_TRUE(messages.shown.empty()); // the library has spoken for itself
    EXPECT_EQ(ended, 1);
}

TEST_F(MainTest, MainConnectionErrorIsReportedAndEnds) {
    putDatabase(QByteArray());
    database.mainError = engine::EngineError(3343, QStringLiteral("Μη αναγνωρίσιμη μορφή"));
    run();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Είσοδος στη Kestrani"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("3343 - Μη αναγνωρίσιμη μορφή")));
    EXPECT_EQ(database.secondOpens, 0);
    EXPECT_EQ(mainWindow.created, 0);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MainTest, SecondOpenFailureGivesTheDatabaseFailureMessage) {
    const QChar CR(13);
    const QString head = QStringLiteral("Προσοχή!") + CR + CR +
                         QStringLiteral("Σημειώθηκε σφάλμα στα αρχεία του συστήματος!") + CR + CR +
                         QStringLiteral("Σημειώστε τον κωδικό λάθους και επικοινωνήστε με τον "
                                        "DRAVIK!") +
                         CR + CR + QStringLiteral("Κωδικός Λάθους: ");
    const QString notFound = QStringLiteral("Δεν βρέθηκε η Βάση Δεδομένων της εφαρμογής");
    const struct {
        int number;
        QString engineText;
        QString lastPiece;
    } cases[] = {
        {3024, QStringLiteral("file not found"), notFound},
        {3044, QStringLiteral("path not found"), notFound},
        {3343, QStringLiteral("file is not a database"), QStringLiteral("file is not a database")},
        {3000, QStringLiteral("attempt to write a readonly database"),
         QStringLiteral("attempt to write a readonly database")},
    };
    testsupport::FixtureDatabase fixture;
    putDatabase(fixture);
    for (const auto& c : cases) {
        context = std::make_unique<ProgramContext>();
        messages.shown.clear();
        ended = 0;
        database.secondError = engine::EngineError(c.number, c.engineText);
        run();
        ASSERT_EQ(messages.shown.size(), 1u) << c.number;
        EXPECT_EQ(messages.shown[0].icon, dvRtns4::MsgIcon::Critical);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Είσοδος στο Brevmont"));
        EXPECT_EQ(messages.shown[0].text,
                  head + QString::number(c.number) + QStringLiteral(" - ") + c.lastPiece);
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(mainWindow.created, 0);
    }
}

TEST_F(MainTest, WrongVersionShowsItsWindowAndEndsWhenClosed) {
    const struct {
        const char* what;
        const char* fill;
        bool byButton;
    } cases[] = {
        {"no LAWTYPE", "DROP TABLE LAWTYPE;", true},
        {"no TYPE_ID", "DROP TABLE LAWTYPE; CREATE TABLE LAWTYPE (descr TEXT);", false},
    };
    for (const auto& c : cases) {
        testsupport::FixtureDatabase fixture(QString::fromUtf8(c.fill));
        QFile::remove(applicationFolder + QStringLiteral("/edudata.mdb"));
        putDatabase(fixture);
        context = std::make_unique<ProgramContext>();
        ended = 0;
        modalWindowsSeen.clear();
        closeModalWindowBy([by = c.byButton](QWidget* modal) {
            if (by)
                modal->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
            else
                modal->close();
        });
        run();
        EXPECT_EQ(modalWindowsSeen, QStringList{QStringLiteral("frmWrongVersion")}) << c.what;
        EXPECT_EQ(ended, 1) << c.what;
        EXPECT_EQ(mainWindow.created, 0) << c.what;
        EXPECT_TRUE(messages.shown.empty()) << c.what;
    }
}

TEST_F(MainTest, DamagedDatabasesEndTheRunWithAReport) {
    testsupport::FixtureDatabase fixture(
        QStringLiteral("INSERT INTO LAWTYPE (type_id, descr) VALUES (1, 'Νόμοι');"));
    const QByteArray whole = bytesOf(fixture);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty file", QByteArray()},
        {"truncated", whole.left(whole.size() / 3)},
        {"first page only", whole.left(100)},
        {"not a database", QByteArray("This is a text file, not a database.\n").repeated(200)},
        {"zeros", QByteArray(8192, '\0')},
    };
    for (const auto& c : cases) {
        QFile::remove(applicationFolder + QStringLiteral("/edudata.mdb"));
        putDatabase(c.bytes);
        context = std::make_unique<ProgramContext>();
        messages.shown.clear();
        ended = 0;
        modalWindowsSeen.clear();
        closeModalWindowBy([](QWidget* modal) { modal->close(); });
        run();
        modalCloser.stop();
        EXPECT_EQ(ended, 1) << c.what;
        EXPECT_EQ(mainWindow.created, 0) << c.what;
        EXPECT_EQ(messages.shown.size() + modalWindowsSeen.size(), 1u) << c.what;
    }
}

TEST_F(MainTest, GoodDatabaseReachesTheMainWindow) {
    testsupport::FixtureDatabase fixture(
        QStringLiteral("INSERT INTO LAWTYPE (type_id, descr) VALUES (3, 'Νόμοι');"));
    putDatabase(fixture);
    applicationFolder += QLatin1Char('/');
    context->state.gViewerLawId = 12;
    run();
    EXPECT_EQ(mainWindow.created, 1);
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(libraryCalls, 1);
    EXPECT_EQ(context->state.applicationTitle, QStringLiteral("Kestrani"));
    EXPECT_EQ(context->state.applicationFolder, dir.path() + QStringLiteral("/app"));
    EXPECT_EQ(database.openedPath, dir.path() + QStringLiteral("/app/edudata.mdb"));
    EXPECT_EQ(context->state.gViewerLawId, 0);
    EXPECT_TRUE(context->connection.isOpen());
    EXPECT_TRUE(context->secondDatabase.isOpen());
    ASSERT_TRUE(context->waitWindow);
    EXPECT_TRUE(context->waitWindow->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MainTest, AReadOnlyApplicationFolderRunsOnTheUsersWorkingCopy) {
    testsupport::FixtureDatabase fixture(
        QStringLiteral("INSERT INTO LAWTYPE (type_id, descr) VALUES (3, 'Νόμοι');"));
    putDatabase(fixture);
    startuptest::ReadOnlyApplicationFolder disk(applicationFolder);
    dataFiles = &disk;
    userDataFolder = dir.path() + QStringLiteral("/home/.local/share/lexora");
    run();
    EXPECT_EQ(mainWindow.created, 1);
    EXPECT_TRUE(messages.shown.empty());
    const QString copy = userDataFolder + QStringLiteral("/edudata.mdb");
    EXPECT_EQ(database.openedPath, copy);
    EXPECT_EQ(context->state.databasePath, copy);
    EXPECT_EQ(context->state.writableFolder(), userDataFolder);
    EXPECT_EQ(context->state.applicationFolder, applicationFolder);
    EXPECT_TRUE(QFileInfo(copy).isFile());
}

TEST_F(MainTest, AWritableApplicationFolderKeepsEverythingThere) {
    testsupport::FixtureDatabase fixture(
        QStringLiteral("INSERT INTO LAWTYPE (type_id, descr) VALUES (3, 'Νόμοι');"));
    putDatabase(fixture);
    lexora::startup::LocalDataFiles disk;
    dataFiles = &disk;
    userDataFolder = dir.path() + QStringLiteral("/home/.local/share/lexora");
    run();
    EXPECT_EQ(mainWindow.created, 1);
    EXPECT_EQ(database.openedPath, applicationFolder + QStringLiteral("/edudata.mdb"));
    EXPECT_EQ(context->state.writableFolder(), applicationFolder);
    EXPECT_FALSE(QFileInfo::exists(userDataFolder));
}

TEST(StartupTexts, DatabaseFailureTextUsesCarriageReturnsOnly) {
    const QString text = DatabaseFailureText(-2147467259, QStringLiteral("x"));
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QChar(13)), 6);
    EXPECT_TRUE(text.endsWith(QStringLiteral("Κωδικός Λάθους: -2147467259 - x")));
}

} // namespace
