// The program's command line: one table of the options it knows, read
// before anything needs a display. Without options the program starts its
// window; --version and --help print and end; --pdf writes an act's page and
// ends; --save-to-history starts the program, saves one act to the history
// and ends. The toolkit's own options (-platform, -style, ...) pass through to
// it. Anything else is refused with a Greek message and status 2.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lexora {

inline constexpr int kCommandLineUsage = 2;

enum class CommandAction {
    Start,         // the program's window, as without options
    Version,       // print the version and end
    Help,          // print the usage and end
    Pdf,           // --pdf LAW_ID FILE.pdf
    SaveToHistory, // --save-to-history LAW_ID
    Refused,       // a malformed command line: `error` says why
};

struct CommandLine {
    CommandAction action = CommandAction::Start;
    QStringList values; // the option's values, as typed
    QString error;      // Greek, for Refused
};

struct CommandOption {
    QString name; // "--pdf"
    CommandAction action;
    QStringList valueNames; // one per value the option takes, for the usage
    QString help;           // one Greek line; empty: not listed by --help
};

// The table of the program's options, in the order --help lists them.
const std::vector<CommandOption>& commandOptions();

// Reads the arguments after the program's name. At most one of the table's
// options; the toolkit's options may stand beside it.
CommandLine parseCommandLine(const QStringList& arguments);

// "lexora 21.2\n"
QString versionText();
// The short usage --help prints, in Greek.
QString usageText();

} // namespace lexora
