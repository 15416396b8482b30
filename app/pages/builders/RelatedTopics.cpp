// The topics citing an act, gathered for the list beside the act page.
#include "app/pages/builders/RelatedTopics.h"

#include "app/pages/builders/BuilderSupport.h"
#include "app/shell/Panes.h"
#include "app/store/Statements.h"

#include <QStringList>

namespace lexora::pages::detail {

namespace {

void addTopic(shell::PagePane& pane, const engine::Recordset& row) {
    pane.addRelatedTopic(row.value(QStringLiteral("DESCR")).toString(),
                         static_cast<int>(row.value(QStringLiteral("TOPIC_ID")).toInt()));
}

} // namespace

std::vector<std::int32_t> ExtendActIdList(engine::Connection& connection, std::int32_t id) {
    std::vector<std::int32_t> ids{id};
    if (countOf(connection, store::lawCountOfType(id)) <= 0)
        return ids;
    engine::Recordset acts = connection.execute(store::lawsOfType(id));
    for (; !acts.eof(); acts.moveNext()) {
        engine::Recordset wholeText =
            connection.execute(store::wholeTextRowOf(acts.value(QStringLiteral("law_code"))));
        const bool hasWholeText = !wholeText.eof();
        wholeText.close();
        if (hasWholeText && flagIs(acts.value(QStringLiteral("all_law_flag")), 0))
            continue;
        ids.push_back(static_cast<std::int32_t>(acts.value(QStringLiteral("law_id")).toInt()));
    }
    acts.close();
    return ids;
}

void addRelatedTopics(shell::Panes& form, engine::Connection& connection, std::int32_t id,
                      bool fromHistory) {
    shell::PagePane& list = form.page;
    const std::vector<std::int32_t> ids = ExtendActIdList(connection, id);

    engine::Recordset topics = connection.openRecordset(
        fromHistory ? store::topicsCitingActFromHistory(ids) : store::topicsCitingAct(ids));
    for (; !topics.eof(); topics.moveNext()) {
        if (!topics.value(QStringLiteral("DESCR")).isMissing())
            addTopic(list, topics);
    }
    topics.close();
    if (fromHistory)
        return;

    QStringList codes;
    engine::Recordset codeRows = connection.openRecordset(store::lawCodesOf(ids));
    for (; !codeRows.eof(); codeRows.moveNext())
        codes << codeRows.value(QStringLiteral("LAW_CODE")).toString();
    codeRows.close();
    if (codes.isEmpty())
        return;

    engine::Recordset byCode = connection.openRecordset(store::topicsCitingCodes(codes));
    for (; !byCode.eof(); byCode.moveNext()) {
        const dvRtns4::Variant descr = byCode.value(QStringLiteral("DESCR"));
        if (descr.isMissing())
            continue;
        if (!list.hasRelatedTopic(descr.toString()))
            addTopic(list, byCode);
    }
    byCode.close();
}

} // namespace lexora::pages::detail
