// The legislation tree's fill. Each act row is tested for a whole-text row of
// its act (any type) before it gets a node.
#include "app/trees/LawTreeFill.h"

#include "app/store/Statements.h"
#include "app/trees/FillSupport.h"
#include "app/trees/NodeMarking.h"

#include <algorithm>

namespace lexora::trees {

namespace {

QString typeKeyOf(SearchIdList::Id typeId) {
    return QStringLiteral("p") + QString::number(typeId);
}

QString actKeyOf(SearchIdList::Id lawId) {
    return QStringLiteral("c") + QString::number(lawId);
}

bool hasWholeTextRow(engine::Connection& connection, const dvRtns4::Variant& lawCode) {
    engine::Recordset rs = connection.execute(store::wholeTextRowOf(lawCode));
    const bool found = !rs.eof();
    rs.close();
    return found;
}

// The title as HTML text, as QString::toHtmlEscaped writes it; a title
// without a character to escape, as most are, is handed on as it is.
QString htmlEscaped(const QString& text) {
    const auto special = [](QChar c) { return c == u'<' || c == u'>' || c == u'&' || c == u'"'; };
    const auto first = std::find_if(text.cbegin(), text.cend(), special);
    if (first == text.cend())
        return text;
    QString out;
    out.reserve(text.size() + 16);
    out.append(text.constData(), first - text.cbegin());
    for (auto c = first; c != text.cend(); ++c) {
        switch (c->unicode()) {
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += *c;
        }
    }
    return out;
}

// A null flag is neither 0 nor 1: such a row is not a part of an act.
bool isPartOfAct(const dvRtns4::Variant& allLawFlag) {
    return !allLawFlag.isMissing() && allLawFlag.toInt() == 0;
}

} // namespace

void FillLawTree(TreeControl& tvwTreelaw, engine::Connection& connection,
                 const SearchIdList& init_topid, bool /*bExpand*/, const SearchIdList& a,
                 bool l_init_tree) {
    // The nodes enter the widget together when the fill ends, also by an error.
    const TreeControl::Batch batch(tvwTreelaw);
    engine::Recordset rs = connection.execute(store::lawTypeBranches());
    while (!rs.eof()) {
        const std::optional<SearchIdList::Id> type = fill::idOf(rs, QStringLiteral("type_id"));
        TreeNode* node = type ? fill::addNodeOnce(tvwTreelaw, {}, typeKeyOf(*type),
                                                  rs.value(QStringLiteral("descr")).toString())
                              : nullptr;
        if (node != nullptr) {
            const SearchIdList::Id typeId = *type;
            if (l_init_tree) {
                AddlawChildrenNodes(tvwTreelaw, connection, typeId, {}, true, {});
            } else {
                if (a.contains(typeId)) {
                    node->setExpanded(true);
                    node->setImageKey(fill::openImage());
                } else {
                    const bool hasActs =
                        fill::countOf(connection, store::lawCountOfTypeForImage(typeId)) > 0;
                    node->setImageKey(hasActs ? fill::closedImage() : fill::openImage());
                }
                AddlawChildrenNodes(tvwTreelaw, connection, typeId, a, false, init_topid);
            }
        }
        rs.moveNext();
    }
    rs.close();
}

void AddlawChildrenNodes(TreeControl& tvwTreelaw, engine::Connection& connection,
                         SearchIdList::Id ParentId, const SearchIdList& /*a*/, bool l_init_tree,
                         const SearchIdList& init_topid) {
    engine::Recordset rs = connection.execute(store::lawsOfType(ParentId));
    if (fill::countOf(connection, store::lawCountOfType(ParentId)) == 0)
        return;
    const QString typeKey = typeKeyOf(ParentId);
    while (!rs.eof()) {
        const dvRtns4::Variant lawCode = rs.value(QStringLiteral("law_code"));
        const bool leftOut = hasWholeTextRow(connection, lawCode) &&
                             isPartOfAct(rs.value(QStringLiteral("all_law_flag")));
        const std::optional<SearchIdList::Id> act =
            leftOut ? std::nullopt : fill::idOf(rs, QStringLiteral("law_id"));
        if (act) {
            const SearchIdList::Id lawId = *act;
            TreeNode* node =
                fill::addNodeOnce(tvwTreelaw, typeKey, actKeyOf(lawId), lawCode.toString());
            if (node != nullptr) {
                // The node shows the act's code; its title, often long, wraps
                // in the tool tip.
                const QString title = rs.value(QStringLiteral("title")).toString().trimmed();
                if (!title.isEmpty())
                    node->setToolTip(0, QStringLiteral("<p>") + htmlEscaped(title) +
                                            QStringLiteral("</p>"));
                if (l_init_tree)
                    node->parentNode()->setImageKey(fill::closedImage());
                else
                    HighlightNode(*node, lawId, init_topid);
            }
        }
        rs.moveNext();
    }
    rs.close();
}

} // namespace lexora::trees
