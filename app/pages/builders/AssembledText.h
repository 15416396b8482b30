// The whole text of an act or a template assembled from its rows: the header
// row's title and text, then every article, and every paragraph or
// sub-paragraph whose article (and paragraph) is not stored as a row of its
// own, in the numeric order of their codes.
#pragma once

#include "app/store/Statements.h"
#include "engine/Connection.h"

#include <QString>

#include <cstdint>

namespace lexora::pages::detail {

// The statements of one table (law or Schedulelaw).
struct AssemblyStatements {
    QString (*head)(store::Id id);
    QString (*rows)(const dvRtns4::Variant& lawCode);
    QString (*articleCount)(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode);
    QString (*paragraphCount)(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode,
                              const dvRtns4::Variant& paragCode);
};

AssemblyStatements actStatements();
AssemblyStatements templateStatements();

struct AssembledText {
    QString head = QStringLiteral(" ");
    QString body = QStringLiteral(" ");
    std::int32_t lastRowId = 0; // law_id of the last row walked; 0 when none
    QString page() const { return head + body; }
};

// Throws engine::EngineError.
AssembledText assembleText(engine::Connection& connection, const AssemblyStatements& statements,
                           std::int32_t id);

} // namespace lexora::pages::detail
