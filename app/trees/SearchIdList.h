// The ids a search hands to a tree fill: the nodes to mark and the nodes to
// open. Ids are 32-bit, as the database keeps them, and a list holds as many
// as the search finds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <unordered_set>
#include <vector>

namespace lexora::trees {

class SearchIdList {
public:
    using Id = std::int32_t;

    SearchIdList() = default;
    SearchIdList(std::initializer_list<Id> ids) : m_ids(ids), m_set(ids) {}

    void append(Id id) {
        m_ids.push_back(id);
        m_set.insert(id);
    }
    // Appends the id unless the list holds it already; true when appended.
    bool appendUnique(Id id);
    bool contains(Id id) const;

    bool isEmpty() const { return m_ids.empty(); }
    std::size_t size() const { return m_ids.size(); }
    // The ids in the order they were appended, duplicates kept.
    const std::vector<Id>& ids() const { return m_ids; }
    void clear() {
        m_ids.clear();
        m_set.clear();
    }

private:
    std::vector<Id> m_ids;
    std::unordered_set<Id> m_set; // the same ids, for lookups in constant time
};

} // namespace lexora::trees
