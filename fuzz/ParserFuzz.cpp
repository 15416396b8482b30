// Fuzz target of the definition-file parser: the input is a global text and
// a main text (split at the first NUL byte), read definition by definition;
// every definition handed out goes through the key lookups and decoding.
#include "routines/MessagePresenter.h"
#include "routines/RoutineError.h"
#include "routines/clsParser.h"
#include "routines/clsParserUtil.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// Reports are counted, not shown.
class SilentMessages final : public dvRtns4::MessagePresenter {
public:
    dvRtns4::MsgResult show(const dvRtns4::MessageRequest& request) override {
        shown += request.text.isEmpty() ? 0 : 1;
        return dvRtns4::MsgResult::Ok;
    }
    int shown = 0;
};

void exerciseDefinition(const QString& symbol, const QString& def) {
    using dvRtns4::clsParserUtil;
    for (const QString& key : {symbol, QStringLiteral("x"), def.section(u'_', 1, 1)}) {
        (void)clsParserUtil::GetKeyStr(def, key, QStringLiteral("d"));
        try {
            (void)clsParserUtil::GetKeyLong(def, key, 0);
        } catch (const dvRtns4::RoutineError&) {
            // a value that is not a number: the caller's error
        }
    }
    float value = 0;
    QString unit;
    clsParserUtil::TranslateStr(def, value, unit);
    const QString written = clsParserUtil::Parser_EncodeStr(def);
    QString coded = written;
    clsParserUtil::Parser_EncodeDefinition(coded);
    (void)clsParserUtil::Parser_DecodeStr(coded);
    QString flags = symbol;
    while (!flags.isEmpty())
        (void)clsParserUtil::GetBool(flags);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentMessages messages;
    dvRtns4::setMessagePresenter(&messages);

    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QString global = split < 0 ? QString() : QString::fromUtf8(input.left(split));
    const QString main = QString::fromUtf8(split < 0 ? input : input.mid(split + 1));

    dvRtns4::clsParser parser;
    const bool useGlobals = split >= 0;
    if (!parser.Init(QStringLiteral("<?>") + main, QStringLiteral("<?>") + global, useGlobals,
                     size % 2 == 0))
        return 0;
    QString symbol;
    QString def;
    bool eof = false;
    // Every read consumes input, so the number of reads is bounded by its size.
    for (std::size_t reads = 0; !eof && reads <= size + 1; ++reads) {
        parser.ReadNextDefinition(symbol, def, eof);
        exerciseDefinition(symbol, def);
    }
    if (!eof)
        __builtin_trap(); // the parser failed to make progress
    (void)parser.InitialDef();
    return 0;
}
