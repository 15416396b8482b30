// Legislation search: statement, type list, search fill.
#include "app/search/LawSearch.h"

#include "app/search/FoldGreekText.h"
#include "app/search/SearchSupport.h"
#include "app/store/Statements.h"
#include "app/trees/LawTreeFill.h"
#include "app/trees/SearchIdList.h"
#include "dbroutines/clsDBcond.h"

namespace lexora::search {

bool TreeView_with_law_search(trees::TreeControl& tvwTreelaw, engine::Connection& connection,
                              QString& l_text, bool pKeyWords) {
    const BusyPointer busy;
    QString cond;
    QString statement;
    if (pKeyWords) {
        cond = dvDBrtns4::clsDBcond::BuildCond(QStringLiteral("KEYS.descr"), FoldGreekText(l_text),
                                               dvDBrtns4::opContains);
        statement = store::lawKeywordSearch(cond);
    } else {
        cond = dvDBrtns4::clsDBcond::BuildCond(QStringLiteral("law.title"), l_text,
                                               dvDBrtns4::opContains);
        statement = store::lawTitleSearch(cond);
    }
    l_text = cond;

    return runTreeSearch(tvwTreelaw, connection, cond, &trees::FillLawTree, [&] {
        trees::SearchIdList matches;
        trees::SearchIdList types;
        engine::Recordset rs = openSearch(connection, statement);
        while (!rs.eof()) {
            const trees::SearchIdList::Id typeId = idField(rs, QStringLiteral("type_id"));
            matches.append(idField(rs, QStringLiteral("law_id")));
            types.appendUnique(typeId);
            rs.moveNext();
        }
        rs.close();
        trees::FillLawTree(tvwTreelaw, connection, matches, !matches.isEmpty(), types, false);
    });
}

} // namespace lexora::search
