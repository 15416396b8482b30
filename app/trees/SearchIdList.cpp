// The id lists of the searches.
#include "app/trees/SearchIdList.h"

namespace lexora::trees {

bool SearchIdList::appendUnique(Id id) {
    if (contains(id))
        return false;
    append(id);
    return true;
}

bool SearchIdList::contains(Id id) const {
    return m_set.contains(id);
}

} // namespace lexora::trees
