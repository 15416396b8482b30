// The RTF tokenizer and its state machine: groups on an explicit stack,
// control words dispatched by name, text decoded and handed to the writer.
#include "platform/richtext/RtfReader.h"

#include "platform/richtext/CodePages.h"
#include "platform/richtext/RtfDocumentWriter.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <climits>
#include <map>
#include <vector>

namespace lexora::richtext {

namespace {

constexpr int MaxWordLength = 32;
constexpr long long MaxParameter = INT_MAX;
constexpr int DefaultHalfPoints = 24;
constexpr double TwipsPerPixel = 15.0;
constexpr int MaxTwips = 31680; // 22 inches, the widest page
constexpr std::size_t MaxTabStops = 64;

enum class Destination {
    Text,     // shown
    ListText, // a list item's bullet or number, shown once per paragraph
    FontTable,
    ColorTable,
    Skip,
};

struct CharacterProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0; // 1 superscript, -1 subscript
    int halfPoints = DefaultHalfPoints;
    int font = -1;
    int colour = 0;
};

struct ParagraphProps {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool inTable = false;
    std::vector<int> tabStops; // twips
};

struct GroupState {
    Destination destination = Destination::Text;
    CharacterProps character;
    ParagraphProps paragraph;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int charset = -1;
    int codePage = 0;
    bool named = false;
};

// Destinations whose content is never shown, with or without \*.
const QSet<QByteArray>& skippedDestinations() {
    static const QSet<QByteArray> names = {
        "stylesheet",
        "info",
        "pict",
        "header",
        "headerl",
        "headerr",
        "headerf",
        "footer",
        "footerl",
        "footerr",
        "footerf",
        "footnote",
        "object",
        "objdata",
        "objclass",
        "listtable",
        "listoverridetable",
        "revtbl",
        "rsidtbl",
        "generator",
        "pn",
        "fldinst",
        "xmlnstbl",
        "themedata",
        "colorschememapping",
        "latentstyles",
        "datastore",
        "filetbl",
        "private",
        "bkmkstart",
        "bkmkend",
        "docvar",
        "userprops",
        "nonshppict",
        "shp",
        "shpinst",
        "template",
        "annotation",
        "atnid",
        "atnauthor",
        "ftnsep",
        "ftnsepc",
        "aftnsep",
        "aftnsepc",
        "ftncn",
        "aftncn",
        "tc",
        "xe",
        "pgdsctbl",
        "mmathPr",
        "author",
        "operator",
        "title",
        "subject",
        "keywords",
        "comment",
        "doccomm",
        "company",
        "manager",
        "category",
        "creatim",
        "revtim",
        "printim",
        "buptim",
        "hlinkbase",
        "nextfile",
        "pnseclvl",
        "pntxta",
        "pntxtb",
    };
    return names;
}

// Control words that stand for one character.
const QHash<QByteArray, char16_t>& characterWords() {
    static const QHash<QByteArray, char16_t> words = {
        {"tab", u'\t'},      {"bullet", 0x2022},    {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003}, {"enspace", 0x2002},   {"qmspace", 0x2005},   {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},
        {"zwnj", 0x200C},    {"ltrmark", 0x200E},   {"rtlmark", 0x200F},   {"line", 0x2028},
        {"nestcell", u' '},  {"nestrow", 0x2028},
    };
    return words;
}

int clampTwips(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -MaxTwips, MaxTwips));
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Parser {
public:
    Parser(const QByteArray& data, QTextDocument& document) : data_(data), writer_(document) {}

    void run(qsizetype start);

private:
    struct ControlWord {
        QByteArray name;
        bool hasParameter = false;
        long long parameter = 0;
    };

    ControlWord readControlWord();
    void openGroup();
    // False once the document's outermost group has closed.
    bool closeGroup();
    void controlWord(const ControlWord& word);
    void controlSymbol(char symbol);
    void hexByte();
    void textByte(unsigned char byte);
    void character(QChar c);
    void flush();
    void endParagraph();

    ByteEncoding encodingFor(int font) const;
    QChar symbolFontCharacter(char16_t code) const;
    QTextCharFormat charFormat() const;
    QTextBlockFormat blockFormat() const;
    bool shown() const {
        return state_.destination == Destination::Text ||
               state_.destination == Destination::ListText;
    }
    bool inTable() const { return state_.paragraph.inTable; }
    void commitFont();

    const QByteArray& data_;
    qsizetype pos_ = 0;
    RtfDocumentWriter writer_;

    GroupState state_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    int skipCount_ = 0; // fallback characters still to skip after \uN
    bool listTextShown_ = false;

    int documentCodePage_ = 1252;
    int defaultFont_ = -1;
    std::map<int, FontEntry> fonts_;
    int fontEntry_ = -1;
    QList<QColor> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colourSet_ = false;

    QString run_;
};

void Parser::run(qsizetype start) {
    pos_ = start;
    const qsizetype size = data_.size();
    while (pos_ < size) {
        const char c = data_[pos_];
        if (skipCount_ > 0 && c != '{' && c != '}') {
            // The fallback text of a \uN character: plain characters, \'hh
            // and control words count one each; line ends do not count.
            if (c == '\\') {
                ++pos_;
                if (pos_ < size && isLetter(data_[pos_])) {
                    readControlWord();
                } else if (pos_ < size && data_[pos_] == '\'') {
                    pos_ += 1;
                    for (int i = 0; i < 2 && pos_ < size && hexValue(data_[pos_]) >= 0; ++i) {
                        ++pos_;
                    }
                } else if (pos_ < size) {
                    ++pos_;
                }
                --skipCount_;
            } else {
                ++pos_;
                if (c != '\r' && c != '\n') {
                    --skipCount_;
                }
            }
            continue;
        }
        switch (c) {
        case '{':
            ++pos_;
            skipCount_ = 0;
            openGroup();
            break;
        case '}':
            ++pos_;
            skipCount_ = 0;
            if (!closeGroup()) {
                pos_ = size; // text after the document's last brace is not part of it
            }
            break;
        case '\\':
            ++pos_;
            if (pos_ >= size) {
                break;
            }
            if (isLetter(data_[pos_])) {
                controlWord(readControlWord());
            } else {
                const char symbol = data_[pos_++];
                controlSymbol(symbol);
            }
            break;
        case '\r':
        case '\n':
            ++pos_;
            break;
        default:
            ++pos_;
            textByte(static_cast<unsigned char>(c));
            break;
        }
    }
    flush();
    if (state_.destination == Destination::FontTable) {
        commitFont();
    }
    writer_.finish(blockFormat(), inTable());
}

Parser::ControlWord Parser::readControlWord() {
    ControlWord word;
    const qsizetype size = data_.size();
    const qsizetype begin = pos_;
    while (pos_ < size && isLetter(data_[pos_])) {
        ++pos_;
    }
    word.name = data_.mid(begin, std::min<qsizetype>(pos_ - begin, MaxWordLength));
    bool negative = false;
    if (pos_ + 1 < size && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < size && isDigit(data_[pos_])) {
        word.hasParameter = true;
        long long value = 0;
        while (pos_ < size && isDigit(data_[pos_])) {
            value = std::min(value * 10 + (data_[pos_] - '0'), MaxParameter);
            ++pos_;
        }
        word.parameter = negative ? -value : value;
    }
    if (pos_ < size && data_[pos_] == ' ') {
        ++pos_; // the delimiter belongs to the word
    }
    return word;
}

void Parser::openGroup() {
    flush();
    if (static_cast<int>(stack_.size()) < RtfReader::MaxGroupDepth) {
        stack_.push_back(state_);
    } else {
        ++overflowDepth_;
    }
}

bool Parser::closeGroup() {
    flush();
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return true;
    }
    if (stack_.empty()) {
        return false;
    }
    const Destination leaving = state_.destination;
    state_ = stack_.back();
    stack_.pop_back();
    if (leaving == Destination::FontTable) {
        commitFont();
    }
    return !stack_.empty();
}

void Parser::controlSymbol(char symbol) {
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        textByte(static_cast<unsigned char>(symbol));
        break;
    case '~':
        character(QChar(0x00A0));
        break;
    case '_':
        character(QChar(0x2011));
        break;
    case '-':
        character(QChar(0x00AD));
        break;
    case '*':
        flush();
        state_.destination = Destination::Skip;
        break;
    case '\'':
        hexByte();
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default:
        break;
    }
}

void Parser::hexByte() {
    const qsizetype size = data_.size();
    if (pos_ + 1 < size) {
        const int high = hexValue(data_[pos_]);
        const int low = hexValue(data_[pos_ + 1]);
        if (high >= 0 && low >= 0) {
            pos_ += 2;
            textByte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
    }
    // A broken \' escape stands for nothing; what follows is read as usual.
}

void Parser::textByte(unsigned char byte) {
    if (state_.destination == Destination::FontTable) {
        if (byte == ';') {
            commitFont();
        } else if (fontEntry_ >= 0 && byte >= 0x20) {
            FontEntry& entry = fonts_[fontEntry_];
            if (!entry.named) {
                // A symbol font's own name is ordinary text.
                const ByteEncoding encoding = entry.charset == 2
                                                  ? encodingForCodePage(documentCodePage_)
                                                  : encodingFor(fontEntry_);
                entry.name.append(decodeByte(byte, encoding));
            }
        }
        return;
    }
    if (state_.destination == Destination::ColorTable) {
        if (byte == ';') {
            colours_.append(colourSet_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colourSet_ = false;
        }
        return;
    }
    if (!shown()) {
        return;
    }
    if (byte == '\t') {
        character(QChar(u'\t'));
    } else if (byte >= 0x20) {
        character(decodeByte(byte, encodingFor(state_.character.font)));
    }
}

void Parser::character(QChar c) {
    if (state_.destination == Destination::FontTable && fontEntry_ >= 0) {
        FontEntry& entry = fonts_[fontEntry_];
        if (!entry.named) {
            entry.name.append(c);
        }
        return;
    }
    if (shown()) {
        run_.append(c);
    }
}

void Parser::flush() {
    if (run_.isEmpty()) {
        return;
    }
    writer_.text(run_, charFormat(), inTable());
    run_.clear();
}

void Parser::endParagraph() {
    if (state_.destination != Destination::Text) {
        return;
    }
    flush();
    writer_.paragraph(blockFormat(), inTable());
    listTextShown_ = false;
}

void Parser::commitFont() {
    if (fontEntry_ < 0) {
        return;
    }
    FontEntry& entry = fonts_[fontEntry_];
    entry.name = entry.name.trimmed();
    entry.named = true;
    fontEntry_ = -1;
}

void Parser::controlWord(const ControlWord& word) {
    const QByteArray& name = word.name;
    const long long parameter = word.parameter;
    const bool on = !word.hasParameter || parameter != 0;

    if (const auto it = characterWords().constFind(name); it != characterWords().constEnd()) {
        character(QChar(it.value()));
        return;
    }
    if (name == "u") {
        const long long code = parameter < 0 ? parameter + 65536 : parameter;
        if (word.hasParameter && code > 0 && code <= 0xFFFF) {
            character(symbolFontCharacter(static_cast<char16_t>(code)));
        }
        skipCount_ = state_.unicodeSkip;
        return;
    }
    if (name == "bin") {
        // Raw bytes follow: skip them whatever they hold.
        const long long length = std::max(0LL, parameter);
        pos_ += static_cast<qsizetype>(std::min<long long>(length, data_.size() - pos_));
        return;
    }

    flush(); // everything below may change the format of what follows

    if (state_.destination == Destination::Skip) {
        return;
    }
    if (skippedDestinations().contains(name)) {
        state_.destination = Destination::Skip;
    } else if (name == "fonttbl") {
        state_.destination = Destination::FontTable;
    } else if (name == "colortbl") {
        state_.destination = Destination::ColorTable;
        colours_.clear();
    } else if (name == "pntext" || name == "listtext") {
        if (state_.destination != Destination::Text || listTextShown_) {
            state_.destination = Destination::Skip;
        } else {
            state_.destination = Destination::ListText;
            listTextShown_ = true;
        }
    } else if (state_.destination == Destination::FontTable) {
        if (name == "f") {
            commitFont();
            fontEntry_ = static_cast<int>(parameter);
            fonts_[fontEntry_] = FontEntry{};
        } else if (name == "fcharset" && fontEntry_ >= 0) {
            fonts_[fontEntry_].charset = static_cast<int>(parameter);
        } else if (name == "cpg" && fontEntry_ >= 0) {
            fonts_[fontEntry_].codePage = static_cast<int>(parameter);
        }
    } else if (state_.destination == Destination::ColorTable) {
        const int value = static_cast<int>(std::clamp(parameter, 0LL, 255LL));
        if (name == "red") {
            red_ = value;
            colourSet_ = true;
        } else if (name == "green") {
            green_ = value;
            colourSet_ = true;
        } else if (name == "blue") {
            blue_ = value;
            colourSet_ = true;
        }
    } else if (name == "par" || name == "sect" || name == "page") {
        endParagraph();
    } else if (name == "cell") {
        if (state_.destination == Destination::Text) {
            writer_.endCell(blockFormat());
            listTextShown_ = false;
        }
    } else if (name == "row") {
        if (state_.destination == Destination::Text) {
            writer_.endRow();
        }
    } else if (name == "trowd") {
        writer_.defineRow();
    } else if (name == "cellx") {
        writer_.cellBoundary(clampTwips(parameter));
    } else if (name == "intbl") {
        state_.paragraph.inTable = true;
    } else if (name == "itap") {
        state_.paragraph.inTable = parameter > 0;
    } else if (name == "pard") {
        // Inside a list item's bullet the paragraph stays where it is.
        const bool keepTable = state_.destination == Destination::ListText && inTable();
        state_.paragraph = ParagraphProps{};
        state_.paragraph.inTable = keepTable;
    } else if (name == "plain") {
        state_.character = CharacterProps{};
        state_.character.font = defaultFont_;
    } else if (name == "b") {
        state_.character.bold = on;
    } else if (name == "i") {
        state_.character.italic = on;
    } else if (name == "ulnone") {
        state_.character.underline = false;
    } else if (name.startsWith("ul") && name != "ulc") {
        state_.character.underline = on;
    } else if (name == "strike" || name == "striked") {
        state_.character.strike = on;
    } else if (name == "super") {
        state_.character.vertical = 1;
    } else if (name == "sub") {
        state_.character.vertical = -1;
    } else if (name == "nosupersub") {
        state_.character.vertical = 0;
    } else if (name == "fs") {
        state_.character.halfPoints =
            parameter > 0 ? static_cast<int>(std::min(parameter, 3276LL)) : DefaultHalfPoints;
    } else if (name == "f") {
        state_.character.font = static_cast<int>(parameter);
    } else if (name == "cf") {
        state_.character.colour = static_cast<int>(std::clamp(parameter, 0LL, 65535LL));
    } else if (name == "ql") {
        state_.paragraph.alignment = Qt::AlignLeft;
    } else if (name == "qc") {
        state_.paragraph.alignment = Qt::AlignHCenter;
    } else if (name == "qr") {
        state_.paragraph.alignment = Qt::AlignRight;
    } else if (name == "qj" || name == "qd") {
        state_.paragraph.alignment = Qt::AlignJustify;
    } else if (name == "li") {
        state_.paragraph.leftIndent = clampTwips(parameter);
    } else if (name == "ri") {
        state_.paragraph.rightIndent = clampTwips(parameter);
    } else if (name == "fi") {
        state_.paragraph.firstIndent = clampTwips(parameter);
    } else if (name == "sb") {
        state_.paragraph.spaceBefore = clampTwips(parameter);
    } else if (name == "sa") {
        state_.paragraph.spaceAfter = clampTwips(parameter);
    } else if (name == "tx" || name == "tb") {
        if (state_.paragraph.tabStops.size() < MaxTabStops) {
            state_.paragraph.tabStops.push_back(clampTwips(parameter));
        }
    } else if (name == "uc") {
        state_.unicodeSkip = static_cast<int>(std::clamp(parameter, 0LL, 255LL));
    } else if (name == "ansi") {
        documentCodePage_ = 1252;
    } else if (name == "ansicpg") {
        documentCodePage_ = static_cast<int>(parameter);
    } else if (name == "deff") {
        defaultFont_ = static_cast<int>(parameter);
        state_.character.font = defaultFont_;
    }
}

// Word processors write the glyphs of symbol fonts as \u with the
// private-use code U+F000 + byte; in Symbol and Wingdings text that is the
// symbol the byte names (U+F0B7 is the list bullet), which no other font draws.
QChar Parser::symbolFontCharacter(char16_t code) const {
    if (code < 0xF020 || code > 0xF0FF)
        return QChar(code);
    const auto byte = static_cast<unsigned char>(code - 0xF000);
    const ByteEncoding encoding = encodingFor(state_.character.font);
    if (encoding == ByteEncoding::SymbolFont || encoding == ByteEncoding::WingdingsFont)
        return decodeByte(byte, encoding);
    if (code == 0xF0B7)
        return QChar(0x2022);
    return QChar(code);
}

ByteEncoding Parser::encodingFor(int font) const {
    const auto it = fonts_.find(font);
    if (it != fonts_.end()) {
        const FontEntry& entry = it->second;
        if (entry.codePage > 0) {
            return encodingForCodePage(entry.codePage);
        }
        if (entry.charset == 2) {
            if (entry.name.contains(QLatin1String("Wingdings"), Qt::CaseInsensitive)) {
                return ByteEncoding::WingdingsFont;
            }
            if (entry.name.contains(QLatin1String("Symbol"), Qt::CaseInsensitive)) {
                return ByteEncoding::SymbolFont;
            }
            return ByteEncoding::OtherSymbol;
        }
        if (const int codePage = codePageForCharset(entry.charset); codePage > 0) {
            return encodingForCodePage(codePage);
        }
    }
    return encodingForCodePage(documentCodePage_);
}

QTextCharFormat Parser::charFormat() const {
    const CharacterProps& props = state_.character;
    QTextCharFormat format;
    format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(props.italic);
    format.setFontUnderline(props.underline);
    format.setFontStrikeOut(props.strike);
    format.setFontPointSize(props.halfPoints / 2.0);
    if (props.vertical != 0) {
        format.setVerticalAlignment(props.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                                       : QTextCharFormat::AlignSubScript);
    }
    if (const auto it = fonts_.find(props.font); it != fonts_.end()) {
        // Symbol fonts are decoded to Unicode, shown in the ordinary font.
        if (it->second.charset != 2 && !it->second.name.isEmpty()) {
            format.setFontFamilies({it->second.name});
        }
    }
    if (props.colour > 0 && props.colour < colours_.size() && colours_[props.colour].isValid()) {
        format.setForeground(colours_[props.colour]);
    }
    return format;
}

QTextBlockFormat Parser::blockFormat() const {
    const ParagraphProps& props = state_.paragraph;
    QTextBlockFormat format;
    format.setAlignment(props.alignment);
    format.setLeftMargin(props.leftIndent / TwipsPerPixel);
    format.setRightMargin(props.rightIndent / TwipsPerPixel);
    format.setTextIndent(props.firstIndent / TwipsPerPixel);
    format.setTopMargin(props.spaceBefore / TwipsPerPixel);
    format.setBottomMargin(props.spaceAfter / TwipsPerPixel);
    // Tab stops count from the page margin, Qt's from where the first line
    // starts; a hanging first line has one more stop at the paragraph's indent.
    const int lineStart = props.leftIndent + props.firstIndent;
    QList<QTextOption::Tab> tabs;
    if (props.firstIndent < 0) {
        tabs.append(QTextOption::Tab(-props.firstIndent / TwipsPerPixel, QTextOption::LeftTab));
    }
    for (int stop : props.tabStops) {
        if (stop > lineStart && stop != props.leftIndent) {
            tabs.append(QTextOption::Tab((stop - lineStart) / TwipsPerPixel, QTextOption::LeftTab));
        }
    }
    std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
        return a.position < b.position;
    });
    if (!tabs.isEmpty()) {
        format.setTabPositions(tabs);
    }
    return format;
}

} // namespace

bool RtfReader::looksLikeRtf(const QByteArray& data) {
    const QByteArray trimmed = data.left(64).trimmed();
    return trimmed.startsWith("{\\rtf");
}

std::unique_ptr<QTextDocument> RtfReader::read(const QByteArray& data) {
    if (!looksLikeRtf(data)) {
        return nullptr;
    }
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    Parser parser(data, *document);
    parser.run(data.indexOf('{'));
    return document;
}

} // namespace lexora::richtext
