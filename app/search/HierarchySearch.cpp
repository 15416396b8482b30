// A walk stops at the first parent already collected: everything above it
// was collected with it. This also ends the walk of a parent chain that
// loops back on itself, which would otherwise never reach the top. A chain
// that runs on deeper than any tree shows is damaged data: the walk stops
// there and the user is told.
#include "app/search/HierarchySearch.h"

#include "app/search/SearchSupport.h"
#include "app/state/DataDamage.h"

namespace lexora::search {

HierarchyMatches collectHierarchyMatches(engine::Connection& connection,
                                         const QString& searchStatement, const ParentWalk& walk) {
    HierarchyMatches found;
    engine::Recordset rs = openSearch(connection, searchStatement);
    while (!rs.eof()) {
        found.matches.append(idField(rs, walk.idField));
        trees::SearchIdList::Id parent = idField(rs, walk.parentField);
        for (int level = 1; parent != 0; ++level) {
            if (level >= kMaxHierarchyDepth) {
                reportDataDamage(DataDamage::Hierarchy);
                break;
            }
            found.ancestorsCollected = true;
            if (!found.ancestors.appendUnique(parent))
                break;
            engine::Recordset parentRow = openSearch(connection, walk.parentOf(parent));
            parent = idField(parentRow, walk.parentField); // no row: NoCurrentRecord
            parentRow.close();
        }
        rs.moveNext();
    }
    rs.close();
    return found;
}

} // namespace lexora::search
