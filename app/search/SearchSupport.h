// What the searches share: the busy mouse pointer, the report of a search
// that a database or tree error stopped, the recovery of its tree, and
// reading the ids of a row.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace lexora::search {

// The busy mouse pointer while the object lives; restored on every way out.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

inline const QString kSearchErrorTitle = QStringLiteral("Ανεπιτυχής Αναζήτηση");
inline const QString kSearchErrorText =
    QStringLiteral("Η αναζήτηση διακόπηκε από σφάλμα της βάσης δεδομένων.");

// Runs a search step. A database error (engine::EngineError) or a tree error
// (trees::TreeError) is reported in a Greek message box followed by its own
// (English) description, which also goes to the log (category
// "lexora.search"), and the result is false; what the step had done by then
// stays. Other errors pass.
bool runReportingErrors(const std::function<void()>& step);

// A fill of a tree as the searches call it (TopicTreeFill.h and its kin).
using TreeFill = void (*)(trees::TreeControl&, engine::Connection&, const trees::SearchIdList&,
                          bool, const trees::SearchIdList&, bool);

// Runs a search that refills `tree` for the condition `cond`, built from the
// user's text. An empty condition (a text of separators and blanks only,
// such as "," or "+") is an empty search: the tree gets its full fill, as at
// start-up, and the result is true. A search that fails is reported as
// runReportingErrors does and the tree is emptied and given its full fill,
// so that the user never faces an empty tree; the result is then false.
bool runTreeSearch(trees::TreeControl& tree, engine::Connection& connection, const QString& cond,
                   TreeFill fullFill, const std::function<void()>& search);

// The field of the current row as a 32-bit id: the numeric value of its text
// (0 for a null or a text that is not a number). An id outside the 32-bit
// range is damaged data: 0, and the user is told (DataDamage.h).
std::int32_t idField(const engine::Recordset& rs, const QString& field);

// Opens a statement of the searches: read-only, keyset, text command.
engine::Recordset openSearch(engine::Connection& connection, const QString& statement);

} // namespace lexora::search
