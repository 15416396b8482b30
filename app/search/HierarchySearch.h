// The part the topic keyword search and the organisation-chart search share:
// run the search statement, collect the matched ids and, walking up the
// parent column row by row, the ids of every node above them.
#pragma once

#include "app/trees/SearchIdList.h"
#include "engine/Connection.h"

#include <QString>

namespace lexora::search {

struct HierarchyMatches {
    trees::SearchIdList matches;     // in the order the statement returned them
    trees::SearchIdList ancestors;   // without repeats, in the order first met
    bool ancestorsCollected = false; // some match has a parent
};

// The statement that reads one row's parent, and the columns read.
struct ParentWalk {
    QString (*parentOf)(trees::SearchIdList::Id id);
    QString idField;
    QString parentField;
};

// Throws engine::EngineError for a statement the engine rejects, and for a
// parent id that has no row (reading the missing row's parent fails).
HierarchyMatches collectHierarchyMatches(engine::Connection& connection,
                                         const QString& searchStatement, const ParentWalk& walk);

} // namespace lexora::search
