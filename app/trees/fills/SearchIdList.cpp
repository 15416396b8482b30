// The id lists of the searches.
#include "SearchIdList.h"

#include <algorithm>

namespace lexora::trees {

bool SearchIdList::appendUnique(Id id) {
    if (contains(id))
        return false;
    m_ids.push_back(id);
    return true;
}

bool SearchIdList::contains(Id id) const {
    return std::find(m_ids.begin(), m_ids.end(), id) != m_ids.end();
}

} // namespace lexora::trees
