// Fuzz target of the dialect rewrite: the input is a statement in Jet's
// dialect. Besides not crashing, the rewrite must leave every string
// literal as it was: each one is found, unchanged and in order, among the
// literals and text parameters of the rewritten statement.
#include "JetDialect.h"
#include "engine/EngineError.h"
#include "fuzz/SqlLiterals.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString statement =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    engine::jet::AdaptedStatement adapted;
    try {
        adapted = engine::jet::adapt(statement);
    } catch (const engine::EngineError&) {
        return 0; // a date literal that is not a date: the caller's error
    }

    std::vector<QString> texts; // the rewritten statement's strings, in order
    std::size_t parameter = 0;
    for (const fuzzing::SqlToken& token :
         fuzzing::literalsOf(adapted.sql, fuzzing::Dialect::Sqlite)) {
        if (!token.parameter) {
            texts.push_back(token.text);
        } else if (parameter < adapted.parameters.size()) {
            if (const auto* text = std::get_if<QString>(&adapted.parameters[parameter]))
                texts.push_back(*text);
            ++parameter;
        }
    }
    const std::vector<fuzzing::SqlToken> original =
        fuzzing::literalsOf(statement, fuzzing::Dialect::Jet);
    // A ? of the statement's own would stand among the parameter marks.
    for (const fuzzing::SqlToken& token : original)
        if (token.parameter)
            return 0;
    std::size_t at = 0;
    for (const fuzzing::SqlToken& token : original) {
        while (at < texts.size() && texts[at] != token.text)
            ++at;
        if (at == texts.size()) {
            std::fprintf(stderr, "literal changed: %s\nstatement: %s\nrewritten: %s\n",
                         token.text.toUtf8().constData(), statement.toUtf8().constData(),
                         adapted.sql.toUtf8().constData());
            __builtin_trap();
        }
        ++at;
    }
    return 0;
}
