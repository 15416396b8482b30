// Reading definitions: tokens, constants, computed values and coding.
#include "routines/clsParser.h"

#include "routines/FileSystemObject.h"
#include "routines/ParserNumbers.h"
#include "routines/ParserSource.h"
#include "routines/RoutineError.h"
#include "routines/TextHelpers.h"
#include "routines/clsCommonUse.h"
#include "routines/clsParserUtil.h"
#include "routines/modDeclare.h"

#include <QHash>

namespace dvRtns4 {

using parserdetail::ParserSource;

namespace {

const QString kSource = QStringLiteral("dvRtns4.clsParser");

// The longest name or body read; a longer one is taken for a broken file.
constexpr qsizetype kMaxToken = qsizetype(1) << 22;

// Texts quoted in a report are cut to a readable length.
QString forReport(const QString& text) {
    constexpr qsizetype kShown = 1000;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

void trimInPlace(QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    if (start > 0)
        text.remove(0, start);
}

enum class Opened { Yes, Missing, Failed };

} // namespace

struct clsParser::Private {
    std::unique_ptr<ParserSource> source;
    QString fileName; // the last file opened, for the reports
    QHash<QString, QString> table;
    bool keepInitial = false;
    QString initialDef;
    bool readFailed = false; // the source broke off during this definition

    bool exhausted() const { return !source || source->exhausted(); }

    std::optional<QString> lookup(const QString& name) const {
        const auto it = table.constFind(upperCase(name));
        if (it == table.constEnd())
            return std::nullopt;
        return *it;
    }
    QString stored(const QString& name) const {
        if (auto text = lookup(name))
            return *text;
        throw RoutineError::invalidArgument();
    }

    Opened open(const QString& name) {
        source.reset();
        if (name.startsWith(clsCommonUse::PreText())) {
            source = parserdetail::memorySource(name.mid(clsCommonUse::PreText().size()));
            return Opened::Yes;
        }
        if (!FileSystemObject::FileExists(name))
            return Opened::Missing;
        fileName = name;
        try {
            source = parserdetail::fileSource(name);
            return Opened::Yes;
        } catch (const RoutineError& e) {
            SetPendingError(e, kSource);
            return Opened::Failed;
        }
    }

    // Reads up to an unescaped terminator. Skipping, it collects nothing and
    // passes over comment lines; collecting, it drops tabs and carriage
    // returns and joins lines with commas. `terminated` tells whether the
    // terminator was met before the end of the source.
    QString readToken(QChar terminator, bool skip, bool& terminated) {
        terminated = false;
        QString text;
        if (!source)
            return text;
        bool pendingComma = false;
        QChar previous = u' ';
        QChar c;
        try {
            while (source->next(c)) {
                if (c == terminator && previous != u'\\') {
                    terminated = true;
                    break;
                }
                if (skip) {
                    if (c == u'\'')
                        source->skipLine();
                } else if (c == u'\t' || c == u'\r' || c == u'\n') {
                    trimInPlace(text);
                    if (c == u'\n' && !text.endsWith(u','))
                        pendingComma = true;
                } else {
                    if (pendingComma) {
                        text += u',';
                        pendingComma = false;
                    }
                    text += c;
                    if (text.size() > kMaxToken)
                        throw RoutineError(7, QStringLiteral("Out of memory: a name or body "
                                                             "longer than %1 characters")
                                                  .arg(kMaxToken));
                }
                previous = c;
            }
        } catch (const RoutineError& e) {
            SetPendingError(e, kSource);
            source->abandon();
            readFailed = true;
        }
        trimInPlace(text);
        if (text.endsWith(u','))
            text.chop(1);
        return text;
    }

    // Stores the constants of a CONST body; a name already stored ends it.
    void parseConstants(const QString& def) {
        for (const QString& piece : def.split(u',')) {
            QString key;
            QString value;
            clsCommonUse::Split_Pair(piece, key, value);
            if (key.isEmpty() || value.isEmpty())
                continue;
            const QString evaluated = evalExpression(value);
            if (table.contains(key))
                return;
            table.insert(key, evaluated);
        }
    }

    QString evalExpression(const QString& value) {
        if (!value.startsWith(u'('))
            return value;
        if (!value.endsWith(u')'))
            return {};
        const QString inner = value.mid(1, value.size() - 2);
        try {
            if (inner.contains(u':')) {
                const QStringList parts = inner.split(u':');
                if (parts.size() < 3)
                    return {};
                qint64 colour = 0;
                qint64 weight = 1;
                for (int i = 0; i < 3; ++i, weight *= 256)
                    colour += weight *
                              parserdetail::roundToInt16(parserdetail::leadingNumber(parts.at(i)));
                return QString::number(colour);
            }
            qint32 total = 0;
            QString unit;
            for (const QString& term : inner.split(u'+')) {
                float number = 0;
                clsParserUtil::TranslateStr(stored(trimSpaces(term)), number, unit);
                total = parserdetail::roundToInt32(double(total) + double(number));
            }
            return QString::number(total) + unit;
        } catch (const RoutineError& e) {
            SetPendingError(e, kSource);
        }
        ShowPendingError(QStringLiteral("EvalExpression : ") + fileName + QStringLiteral("  *") +
                         forReport(value) + u'*');
        return {};
    }

    bool replaceConstInDef(QString& def) {
        try {
            if (def.startsWith(QStringLiteral("$$"))) {
                def = stored(def.mid(2));
                return true;
            }
            if (keepInitial)
                initialDef = def;
            clsParserUtil::Parser_EncodeDefinition(def);
            QString result;
            for (const QString& piece : def.split(u',')) {
                QString key;
                QString value;
                clsCommonUse::Split_Pair(piece, key, value);
                if (key.isEmpty() || value.isEmpty())
                    continue;
                if (value.startsWith(u'$'))
                    value = stored(value);
                result += u'_' + key + QStringLiteral("_=") + value + u',';
            }
            if (!result.isEmpty()) {
                result.chop(1);
                def = result;
            }
            return true;
        } catch (const RoutineError& e) {
            SetPendingError(e, kSource);
        }
        ShowPendingError(QStringLiteral("ReplaceConstInDef: ") + fileName + QStringLiteral("  *") +
                         forReport(def) + u'*');
        return false;
    }
};

clsParser::clsParser() : d(std::make_unique<Private>()) {}
clsParser::~clsParser() = default;

QString clsParser::InitialDef() const {
    return d->initialDef;
}

bool clsParser::Init(const QString& fileName, const QString& globalFileName, bool useGlobals,
                     bool keepInitialDef) {
    d->keepInitial = keepInitialDef;
    if (useGlobals) {
        if (d->open(globalFileName) == Opened::Yes) {
            QString symbol;
            QString def;
            bool eof = false;
            while (ReadNextDefinition(symbol, def, eof) && !eof) {
            }
        }
        d->source.reset();
    }
    if (d->open(fileName) == Opened::Missing)
        return false;
    return !ShowPendingError(QStringLiteral("InitFile: ") + fileName);
}

bool clsParser::ReadNextDefinition(QString& Symbol, QString& Def, bool& bEOF) {
    bEOF = false;
    d->readFailed = false;
    const auto failure = [&] {
        bEOF = d->exhausted();
        ShowPendingError(QStringLiteral("ReadNextDefinition : [") + d->fileName +
                         QStringLiteral("] [") + forReport(Symbol) + QStringLiteral("] [") +
                         forReport(Def) + u']');
        return false;
    };
    // Constants are stored and read past: the loop reads on to the next
    // definition, however many constants definitions follow each other.
    for (;;) {
        Symbol.clear();
        Def.clear();
        if (d->exhausted()) {
            bEOF = true;
            return true;
        }
        bool terminated = false;
        d->readToken(u'#', true, terminated);
        if (d->readFailed)
            return failure();
        if (d->exhausted()) {
            bEOF = true;
            return true;
        }
        Symbol = upperCase(d->readToken(u'{', false, terminated));
        if (Symbol.isEmpty() || d->exhausted())
            return failure();
        Def = d->readToken(u'}', false, terminated);
        if (!terminated && !d->readFailed) {
            // The body runs to the end of the source: a "}" is missing.
            SetPendingError(62, QStringLiteral("Input past end of file"), kSource);
            d->readFailed = true;
        }
        if (d->readFailed || Def.isEmpty())
            return failure();
        if (Symbol == QStringLiteral("CONST")) {
            d->parseConstants(Def);
            continue;
        }
        if (!d->replaceConstInDef(Def))
            return failure();
        if (Symbol.startsWith(u'#')) {
            const QString name = upperCase(Symbol.mid(1));
            if (!d->table.contains(name))
                d->table.insert(name, Def);
        }
        bEOF = d->exhausted();
        return true;
    }
}

} // namespace dvRtns4
