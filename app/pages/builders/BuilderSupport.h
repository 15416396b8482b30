// Small pieces the page builders share: the numeric value of a key or an
// address, opening or closing a clicked tree node, the busy pointer, reading
// a count, the flag tests and the report of a database error.
#pragma once

#include "engine/Connection.h"
#include "engine/EngineError.h"
#include "routines/Variant.h"

#include <QString>

#include <cstdint>

namespace lexora::shell {
struct Panes;
}
namespace lexora::trees {
class TreeNode;
}

namespace lexora::pages::detail {

// The value of the text's leading decimal digits; 0 when it starts with none
// or when the value does not fit a 32-bit id.
std::int32_t leadingNumber(const QString& text);

// The id a tree node stands for: its key without the first character.
std::int32_t nodeId(const trees::TreeNode& node);

// A clicked node with children opens or closes: "open" becomes "closed" and
// the node collapses, anything else becomes "open" and the node expands.
void toggleNode(trees::TreeNode& node);

// True when the field holds that number (a null holds no number at all).
bool flagIs(const dvRtns4::Variant& value, std::int64_t number);

// The l_count of a count statement's first row; 0 when there is no row.
std::int64_t countOf(engine::Connection& connection, const QString& statement);

// The busy mouse pointer while the object lives.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Tells the user that a page could not be read from the database.
void reportDatabaseError(const QString& title, const engine::EngineError& error);

} // namespace lexora::pages::detail

namespace lexora::pages::detail {

// The act a builder works on: gCurrentLawId for "not_history", otherwise the
// id held by the history list's selected entry (0 when none is selected).
std::int32_t actIdFor(const shell::Panes& form, std::int32_t currentLawId, const QString& brwname);

} // namespace lexora::pages::detail
