// Assembling an act or a template from its header row and the rows that
// share its code.
#include "app/pages/builders/AssembledText.h"

#include "app/pages/builders/BuilderSupport.h"

namespace lexora::pages::detail {

namespace {

constexpr std::int64_t kArticle = 2;
constexpr std::int64_t kParagraph = 5;
constexpr std::int64_t kSubParagraph = 7;

QString section(const engine::Recordset& row) {
    return QStringLiteral("<H2>") + row.value(QStringLiteral("title")).toString() +
           QStringLiteral("</H2>") + row.value(QStringLiteral("descr")).toString();
}

} // namespace

AssemblyStatements actStatements() {
    return {&store::assembledActHead, &store::assembledActRows, &store::articleRowCount,
            &store::paragraphRowCount};
}

AssemblyStatements templateStatements() {
    return {&store::assembledTemplateHead, &store::assembledTemplateRows,
            &store::templateArticleRowCount, &store::templateParagraphRowCount};
}

AssembledText assembleText(engine::Connection& connection, const AssemblyStatements& statements,
                           std::int32_t id) {
    AssembledText text;
    engine::Recordset head = connection.execute(statements.head(id));
    if (head.eof())
        return text;
    text.head += QStringLiteral("<H1>") + head.value(QStringLiteral("title")).toString() +
                 QStringLiteral("</H1><BR>");
    text.body += head.value(QStringLiteral("descr")).toString();
    const dvRtns4::Variant code = head.value(QStringLiteral("law_code"));
    head.close();

    engine::Recordset rows = connection.execute(statements.rows(code));
    for (; !rows.eof(); rows.moveNext()) {
        text.lastRowId = static_cast<std::int32_t>(rows.value(QStringLiteral("law_id")).toInt());
        const dvRtns4::Variant type = rows.value(QStringLiteral("type_id"));
        const dvRtns4::Variant article = rows.value(QStringLiteral("article_code"));
        const dvRtns4::Variant rowCode = rows.value(QStringLiteral("law_code"));

        if (flagIs(type, kArticle))
            text.body += section(rows);

        if (flagIs(type, kParagraph) &&
            countOf(connection, statements.articleCount(article, rowCode)) == 0)
            text.body += section(rows);

        if (flagIs(type, kSubParagraph)) {
            const dvRtns4::Variant paragraph = rows.value(QStringLiteral("parag_code"));
            if (countOf(connection, statements.paragraphCount(article, rowCode, paragraph)) == 0 &&
                countOf(connection, statements.articleCount(article, rowCode)) == 0)
                text.body += section(rows);
        }
    }
    rows.close();
    return text;
}

} // namespace lexora::pages::detail
