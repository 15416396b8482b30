// The command line's table: what each argument list asks for, and every
// malformed one refused with a Greek reason.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace lexora;

namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* item : list)
        result << QString::fromUtf8(item);
    return result;
}

} // namespace

TEST(CommandLineTest, ReadsEachOptionOfTheTableAndTheToolkitsOwn) {
    const struct {
        const char* what;
        QStringList arguments;
        CommandAction action;
        QStringList values;
    } cases[] = {
        {"no arguments", {}, CommandAction::Start, {}},
        {"version", args({"--version"}), CommandAction::Version, {}},
        {"help", args({"--help"}), CommandAction::Help, {}},
        {"pdf", args({"--pdf", "7", "x.pdf"}), CommandAction::Pdf, args({"7", "x.pdf"})},
        {"pdf with a Greek file name", args({"--pdf", "7", "νόμος.pdf"}), CommandAction::Pdf,
         args({"7", "νόμος.pdf"})},
        {"save to history", args({"--save-to-history", "100"}), CommandAction::SaveToHistory,
         args({"100"})},
        {"toolkit option with its value",
         args({"-platform", "offscreen"}),
         CommandAction::Start,
         {}},
        {"toolkit option written with =",
         args({"--style=fusion", "--version"}),
         CommandAction::Version,
         {}},
        {"toolkit flag beside an option", args({"--pdf", "7", "x.pdf", "-reverse"}),
         CommandAction::Pdf, args({"7", "x.pdf"})},
        {"toolkit value that looks like an option",
         args({"-style", "--help"}),
         CommandAction::Start,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action) << line.error.toStdString();
        EXPECT_EQ(line.values, c.values);
        EXPECT_TRUE(line.error.isEmpty());
    }
}

TEST(CommandLineTest, RefusesWhatItDoesNotKnowWithAGreekReason) {
    const struct {
        const char* what;
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {"unknown option", args({"--frobnicate"}), "Άγνωστη επιλογή «--frobnicate»."},
        {"unknown short option", args({"-v"}), "Άγνωστη επιλογή «-v»."},
        {"stray argument", args({"edudata.mdb"}), "Περιττό όρισμα «edudata.mdb»."},
        {"pdf without its file", args({"--pdf", "7"}),
         "Χρήση: lexora --pdf ΚΩΔΙΚΟΣ_ΝΟΜΟΘΕΤΗΜΑΤΟΣ ΑΡΧΕΙΟ.pdf"},
        {"pdf with an option for a value", args({"--pdf", "7", "--version"}),
         "Χρήση: lexora --pdf"},
        {"save to history without its act", args({"--save-to-history"}),
         "Χρήση: lexora --save-to-history ΚΩΔΙΚΟΣ_ΝΟΜΟΘΕΤΗΜΑΤΟΣ"},
        {"two actions", args({"--version", "--help"}), "δεν δίνονται μαζί"},
        {"toolkit option without its value", args({"-platform"}), "θέλει μια τιμή"},
        {"one extra value", args({"--pdf", "7", "x.pdf", "y.pdf"}), "Περιττό όρισμα «y.pdf»."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CommandLine line = parseCommandLine(c.arguments);
        EXPECT_EQ(line.action, CommandAction::Refused);
        EXPECT_TRUE(line.error.contains(QString::fromUtf8(c.reason))) << line.error.toStdString();
        EXPECT_TRUE(line.error.endsWith(QStringLiteral("lexora --help")));
    }
}

TEST(CommandLineTest, UsageListsEveryDocumentedOptionWithItsValues) {
    const QString usage = usageText();
    for (const CommandOption& option : commandOptions()) {
        SCOPED_TRACE(option.name.toStdString());
        ASSERT_FALSE(option.help.isEmpty());
        QString line = option.name;
        for (const QString& value : option.valueNames)
            line += u' ' + value;
        EXPECT_TRUE(usage.contains(line));
        EXPECT_TRUE(usage.contains(option.help));
    }
    EXPECT_EQ(versionText(), QStringLiteral("lexora " LEXORA_VERSION "\n"));
}
