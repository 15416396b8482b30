// Small pieces the tree fills share: the image keys, adding a node only once,
// reading a count statement and an id field.
#pragma once

#include "engine/Connection.h"
#include "platform/treeview/TreeControl.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace lexora::trees::fill {

inline QString openImage() {
    return QStringLiteral("open");
}
inline QString closedImage() {
    return QStringLiteral("closed");
}

// Adds a node with the "open" image, unless a node of that key is in the tree
// already: then nothing is added and the result is nullptr. A row met again
// (a cycle in the parent columns, or an id stored twice) is thus neither
// added twice nor descended into again.
TreeNode* addNodeOnce(TreeControl& tree, const QString& parentKey, const QString& key,
                      const QString& text);

// The l_count of a count statement's first row; 0 when it returns no row.
std::int64_t countOf(engine::Connection& connection, const QString& statement);

// An id field of the current row as a 32-bit id. An id outside the 32-bit
// range is damaged data: nullopt, and the user is told (DataDamage.h).
std::optional<std::int32_t> idOf(const engine::Recordset& rs, const QString& field);

} // namespace lexora::trees::fill
