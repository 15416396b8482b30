// The command line is read by hand rather than by QCommandLineParser: that
// parser needs a QCoreApplication, and --version and --help must work where
// no display can be opened; the toolkit's own options must also reach
// QApplication untouched.
#include "app/CommandLine.h"

#include <algorithm>
#include <array>

namespace lexora {

namespace {

// The toolkit's options that QApplication reads itself, with whether a value
// follows them; they are accepted with one or two dashes and, for those with
// a value, as "-name=value".
struct ToolkitOption {
    const char* name;
    bool takesValue;
};
constexpr std::array kToolkitOptions{
    ToolkitOption{"platform", true},        ToolkitOption{"platformpluginpath", true},
    ToolkitOption{"platformtheme", true},   ToolkitOption{"plugin", true},
    ToolkitOption{"qwindowgeometry", true}, ToolkitOption{"qwindowtitle", true},
    ToolkitOption{"qwindowicon", true},     ToolkitOption{"style", true},
    ToolkitOption{"stylesheet", true},      ToolkitOption{"session", true},
    ToolkitOption{"geometry", true},        ToolkitOption{"title", true},
    ToolkitOption{"display", true},         ToolkitOption{"name", true},
    ToolkitOption{"reverse", false},        ToolkitOption{"widgetcount", false},
    ToolkitOption{"nograb", false},         ToolkitOption{"dograb", false},
    ToolkitOption{"sync", false},
};

// How many arguments a toolkit option at `argument` spans (1 or 2); 0 when
// it is none of them.
int toolkitOptionSpan(const QString& argument) {
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(u'-'))
        name.remove(0, 1);
    else
        return 0;
    const qsizetype equals = name.indexOf(u'=');
    const bool inlineValue = equals >= 0;
    if (inlineValue)
        name.truncate(equals);
    for (const ToolkitOption& option : kToolkitOptions) {
        if (name != QLatin1String(option.name))
            continue;
        if (inlineValue)
            return option.takesValue ? 1 : 0;
        return option.takesValue ? 2 : 1;
    }
    return 0;
}

const QString kSeeHelp = QStringLiteral("Δείτε: lexora --help");

CommandLine refused(const QString& why) {
    return {CommandAction::Refused, {}, why + u'\n' + kSeeHelp};
}

QString usageOf(const CommandOption& option) {
    QString text = QStringLiteral("lexora ") + option.name;
    for (const QString& value : option.valueNames)
        text += u' ' + value;
    return text;
}

} // namespace

const std::vector<CommandOption>& commandOptions() {
    static const std::vector<CommandOption> options{
        {QStringLiteral("--help"),
         CommandAction::Help,
         {},
         QStringLiteral("Εμφανίζει αυτές τις οδηγίες χρήσης.")},
        {QStringLiteral("--version"),
         CommandAction::Version,
         {},
         QStringLiteral("Εμφανίζει την έκδοση του προγράμματος.")},
        {QStringLiteral("--pdf"),
         CommandAction::Pdf,
         {QStringLiteral("ΚΩΔΙΚΟΣ_ΝΟΜΟΘΕΤΗΜΑΤΟΣ"), QStringLiteral("ΑΡΧΕΙΟ.pdf")},
         QStringLiteral("Γράφει τη σελίδα του νομοθετήματος σε αρχείο PDF, χωρίς παράθυρο.")},
        {QStringLiteral("--save-to-history"),
         CommandAction::SaveToHistory,
         {QStringLiteral("ΚΩΔΙΚΟΣ_ΝΟΜΟΘΕΤΗΜΑΤΟΣ")},
         QStringLiteral("Ανοίγει το πρόγραμμα, αποθηκεύει το νομοθέτημα στο Ιστορικό και "
                        "τερματίζει.")},
    };
    return options;
}

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    const CommandOption* chosen = nullptr;
    for (qsizetype i = 0; i < arguments.size();) {
        const QString& argument = arguments.at(i);
        const auto& options = commandOptions();
        const auto found = std::find_if(options.begin(), options.end(), [&](const auto& option) {
            return option.name == argument;
        });
        if (found == options.end()) {
            if (const int span = toolkitOptionSpan(argument); span > 0) {
                if (i + span > arguments.size())
                    return refused(QStringLiteral("Η επιλογή «%1» θέλει μια τιμή.").arg(argument));
                i += span;
                continue;
            }
            if (argument.startsWith(u'-'))
                return refused(QStringLiteral("Άγνωστη επιλογή «%1».").arg(argument));
            return refused(QStringLiteral("Περιττό όρισμα «%1».").arg(argument));
        }
        if (chosen != nullptr)
            return refused(QStringLiteral("Οι επιλογές «%1» και «%2» δεν δίνονται μαζί.")
                               .arg(chosen->name, found->name));
        chosen = &*found;
        const qsizetype count = found->valueNames.size();
        if (i + count >= arguments.size())
            return refused(QStringLiteral("Χρήση: ") + usageOf(*found));
        for (qsizetype v = 1; v <= count; ++v) {
            if (arguments.at(i + v).startsWith(QLatin1String("--")))
                return refused(QStringLiteral("Χρήση: ") + usageOf(*found));
            result.values << arguments.at(i + v);
        }
        result.action = found->action;
        i += 1 + count;
    }
    return result;
}

QString versionText() {
    return QStringLiteral("lexora " LEXORA_VERSION "\n");
}

QString usageText() {
    QString text = QStringLiteral("Χρήση: lexora [ΕΠΙΛΟΓΗ]\n"
                                  "Χωρίς επιλογή ανοίγει το κύριο παράθυρο του προγράμματος.\n\n"
                                  "Επιλογές:\n");
    for (const CommandOption& option : commandOptions()) {
        if (option.help.isEmpty())
            continue;
        text += QStringLiteral("  ") + usageOf(option).mid(7) + u'\n';
        text += QStringLiteral("      ") + option.help + u'\n';
    }
    text += QStringLiteral("\nΟι επιλογές του Qt (-platform, -style, …) περνούν στο Qt.\n");
    return text;
}

} // namespace lexora
