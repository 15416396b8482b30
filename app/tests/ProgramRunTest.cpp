// The program as a user starts it from a shell: the options that end at once
// need no display, a wrong option ends with status 2, and the application
// folder runs wherever it is copied, its libraries found beside the program.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kAppDir = QStringLiteral(LEXORA_APP_DIR);

struct RunResult {
    int status = -1;
    QString out;
    QString err;
};

// Runs `program` with a session that offers no display: a program that
// opened one would fail.
RunResult run(const QString& program, const QStringList& arguments,
              const QProcessEnvironment& extra = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& key : extra.keys())
        environment.insert(key, extra.value(key));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    RunResult result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

bool copyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() && !entry.isSymLink()) {
            if (!copyFolder(entry.filePath(), target))
                return false;
        } else if (entry.isSymLink()) {
            if (!QFile::link(entry.symLinkTarget().startsWith(from)
                                 ? QDir(from).relativeFilePath(entry.symLinkTarget())
                                 : entry.symLinkTarget(),
                             target))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

// A private home whose regional store holds the Greek formats, so that the
// program opens its main window whatever the machine's locale.
QProcessEnvironment privateHome(const QString& home) {
    QSettings regional(home + QStringLiteral("/.config/DRAVIK/ControlPanel.ini"),
                       QSettings::IniFormat);
    regional.beginGroup(QStringLiteral("International"));
    for (const auto& [name, value] : {std::pair{"sDecimal", ","},
                                      {"sThousand", "."},
                                      {"sDate", "/"},
                                      {"sTime", ":"},
                                      {"iTime", "1"},
                                      {"iLDate", "1"}})
        regional.setValue(QString::fromUtf8(name), QString::fromUtf8(value));
    regional.endGroup();
    regional.sync();
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isElf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("\x7f"
                                                                        "ELF",
                                                                        4);
}

} // namespace

TEST(ProgramRunTest, OptionsThatEndAtOnceNeedNoDisplay) {
    const QString program = QDir(kAppDir).filePath(QStringLiteral("lexora"));

    const RunResult version = run(program, {QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("lexora " LEXORA_VERSION "\n"));

    const RunResult help = run(program, {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Χρήση: lexora"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--pdf")));

    const RunResult wrong = run(program, {QStringLiteral("--versoin")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("lexora: Άγνωστη επιλογή «--versoin».")))
        << wrong.err.toStdString();
}

TEST(ProgramRunTest, ACopiedApplicationFolderLoadsItsOwnLibraries) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString copy = scratch.filePath(QStringLiteral("elsewhere/Λέξορα"));
    ASSERT_TRUE(copyFolder(kAppDir, copy));
    const QString program = QDir(copy).filePath(QStringLiteral("lexora"));

    const RunResult version = run(program, {QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("lexora " LEXORA_VERSION "\n"));

    // The loader's own account of what it would load: the program's libraries
    // come from the copy, none from the build tree.
    QProcessEnvironment trace;
    trace.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    const RunResult loaded = run(program, {}, trace);
    ASSERT_EQ(loaded.status, 0) << loaded.err.toStdString();
    for (const char* library : {"libdvRtns4.so", "libdvDBrtns4.so", "liblexora_engine.so"}) {
        SCOPED_TRACE(library);
        const QRegularExpression line(QRegularExpression::escape(QString::fromUtf8(library)) +
                                      QStringLiteral("[^ ]* => ([^ ]+)"));
        const QRegularExpressionMatch match = line.match(loaded.out);
        ASSERT_TRUE(match.hasMatch()) << loaded.out.toStdString();
        EXPECT_TRUE(QFileInfo(match.captured(1))
                        .canonicalFilePath()
                        .startsWith(QFileInfo(copy).canonicalFilePath() + u'/'))
            << match.captured(1).toStdString();
    }
    EXPECT_FALSE(loaded.out.contains(kAppDir));
}

TEST(ProgramRunTest, RunPathsOfTheApplicationFolderAreRelativeToIt) {
    int checked = 0;
    for (QDirIterator it(kAppDir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        if (!isElf(path))
            continue;
        SCOPED_TRACE(path.toStdString());
        QProcess readelf;
        readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), path});
        ASSERT_TRUE(readelf.waitForFinished(30000));
        const QString dynamic = QString::fromUtf8(readelf.readAllStandardOutput());
        static const QRegularExpression runPath(
            QStringLiteral("\\((?:RUNPATH|RPATH)\\)[^\\[]*\\[([^\\]]*)\\]"));
        for (auto match = runPath.globalMatch(dynamic); match.hasNext();) {
            for (const QString& entry : match.next().captured(1).split(u':'))
                EXPECT_TRUE(entry.startsWith(QStringLiteral("$ORIGIN"))) << entry.toStdString();
        }
        EXPECT_FALSE(dynamic.contains(QStringLiteral(LEXORA_APP_DIR)));
        ++checked;
    }
    EXPECT_GE(checked, 4); // the program and its libraries
}

TEST(ProgramRunTest, SaveToHistoryOpensTheProgramAndKeepsTheActInTheHistory) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString folder = scratch.filePath(QStringLiteral("app"));
    ASSERT_TRUE(copyFolder(kAppDir, folder));
    QFile::remove(QDir(folder).filePath(QStringLiteral("history.txt")));
    const QProcessEnvironment home = privateHome(scratch.filePath(QStringLiteral("home")));
    const QString program = QDir(folder).filePath(QStringLiteral("lexora"));
    const QString history = QDir(folder).filePath(QStringLiteral("history.txt"));

    const RunResult saved =
        run(program, {QStringLiteral("--save-to-history"), QStringLiteral("100")}, home);
    EXPECT_EQ(saved.status, 0) << saved.err.toStdString();
    EXPECT_EQ(contentOf(history), QByteArray("100\r\n"));

    // An act the legislation tree does not hold: said so, the history kept.
    const RunResult unknown =
        run(program, {QStringLiteral("--save-to-history"), QStringLiteral("99999")}, home);
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("99999 δεν υπάρχει")))
        << unknown.err.toStdString();
    EXPECT_EQ(contentOf(history), QByteArray("100\r\n"));

    const RunResult notANumber =
        run(program, {QStringLiteral("--save-to-history"), QStringLiteral("Ν100")}, home);
    EXPECT_EQ(notANumber.status, 2);
    EXPECT_TRUE(notANumber.err.contains(QStringLiteral("δεν είναι θετικός ακέραιος")));
}
