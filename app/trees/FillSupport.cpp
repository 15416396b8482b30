// The pieces the tree fills share.
#include "app/trees/FillSupport.h"

#include "app/state/DataDamage.h"

namespace lexora::trees::fill {

TreeNode* addNodeOnce(TreeControl& tree, const QString& parentKey, const QString& key,
                      const QString& text) {
    if (tree.node(key) != nullptr)
        return nullptr;
    return tree.addNode(parentKey, key, text, openImage());
}

std::int64_t countOf(engine::Connection& connection, const QString& statement) {
    engine::Recordset rs = connection.execute(statement);
    const std::int64_t count = rs.eof() ? 0 : rs.value(QStringLiteral("l_count")).toInt();
    rs.close();
    return count;
}

std::optional<std::int32_t> idOf(const engine::Recordset& rs, const QString& field) {
    return checkedId(rs.value(field).toInt());
}

} // namespace lexora::trees::fill
