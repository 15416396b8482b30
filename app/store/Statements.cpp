#include "app/store/Statements.h"

#include "routines/clsString.h"

namespace lexora::store {

namespace {

QString num(std::int64_t value) {
    return QString::number(value);
}

const QString kSiblingOrder =
    QStringLiteral(" ORDER BY order_flag_lev1 asc,order_flag_lev2 asc,order_flag_lev3 asc ");

const QString kTopicsCitingFrom = QStringLiteral(
    " FROM TOPIC INNER JOIN (ABSTRACT INNER JOIN (LAW INNER JOIN ABSTRACT_LAW ON LAW.LAW_ID = "
    "ABSTRACT_LAW.LAW_ID) ON ABSTRACT.ABSTRACT_ID = ABSTRACT_LAW.ABSTRACT_ID) ON TOPIC.TOPIC_ID = "
    "ABSTRACT.TOPIC_ID");

} // namespace

QString quoted(const dvRtns4::Variant& value) {
    return dvRtns4::clsString::FixQuotes(value);
}

QString idList(const std::vector<Id>& ids) {
    QStringList parts;
    parts.reserve(static_cast<qsizetype>(ids.size()));
    for (Id id : ids)
        parts << num(id);
    return parts.join(u',');
}

// Start-up and settings.

QString maxTypeId() {
    return QStringLiteral("SELECT max(TYPE_ID) as sMaxTypeId FROM LAWTYPE ");
}

QString sysInfoDisplayAtStart() {
    return QStringLiteral(" SELECT sys_info_display FROM system_law_parameters ");
}

QString sysInfoDisplayForSettings() {
    return QStringLiteral(" SELECT sys_info_display FROM  system_law_parameters ");
}

QString updateSysInfoFromSettings(std::int16_t value) {
    return QStringLiteral(" UPDATE system_law_parameters SET sys_info_display = ") + num(value);
}

QString updateSysInfoFromInfoWindow(std::int16_t value) {
    return QStringLiteral(" UPDATE  system_law_parameters SET sys_info_display =") + num(value);
}

// Trees.

QString topicTopLevel() {
    return QStringLiteral("SELECT topic.topic_id, topic.descr ") + QStringLiteral(" From topic ") +
           QStringLiteral(" Where topic_id_parent = ") + num(0) + kSiblingOrder;
}

QString topicChildren(Id parentId) {
    return QStringLiteral("SELECT topic.topic_id, topic.descr ") + QStringLiteral(" From topic ") +
           QStringLiteral("Where topic_id_parent =  ") + num(parentId) + kSiblingOrder;
}

QString topicChildCount(Id id) {
    return QStringLiteral("SELECT count(*) as l_count ") + QStringLiteral(" From topic ") +
           QStringLiteral("Where topic_id_parent = ") + num(id);
}

QString scheduleTopLevel() {
    return QStringLiteral("SELECT schedule.schedule_id, schedule.descr ") +
           QStringLiteral(" From schedule ") + QStringLiteral(" Where schedule_id_parent = ") +
           num(0) + kSiblingOrder;
}

QString scheduleChildren(Id parentId) {
    return QStringLiteral("SELECT schedule.schedule_id, schedule.descr ") +
           QStringLiteral(" From schedule ") + QStringLiteral("Where schedule_id_parent =  ") +
           num(parentId) + kSiblingOrder;
}

QString scheduleChildCount(Id id) {
    return QStringLiteral("SELECT count(*) as l_count ") + QStringLiteral(" From schedule ") +
           QStringLiteral("Where schedule_id_parent = ") + num(id);
}

QString lawTypeBranches() {
    return QStringLiteral("SELECT LAWTYPE.type_id, LAWTYPE.descr") +
           QStringLiteral(" From LAWTYPE ") + QStringLiteral(" Where LAWTYPE.display_flag = 1 ") +
           QStringLiteral(" And LAWTYPE_SHOW") + QStringLiteral(" And LAWTYPE.type_id < 90") +
           QStringLiteral(" ORDER BY  LAWTYPE_ORDERNO,type_id ");
}

QString lawCountOfTypeForImage(Id typeId) {
    return QStringLiteral("SELECT count(*) as l_count ") + QStringLiteral(" From law ") +
           QStringLiteral("Where law.type_id = ") + num(typeId);
}

QString lawsOfType(Id typeId) {
    return QStringLiteral(
               " SELECT law.law_id, law.law_code,law.title,law.type_id,law.all_law_flag ") +
           QStringLiteral(" From law ") + QStringLiteral(" Where law.type_id =   ") + num(typeId) +
           QStringLiteral(" ORDER BY issue_date Desc,law_year Desc,law_code Desc ");
}

QString lawCountOfType(Id typeId) {
    return QStringLiteral(" SELECT count(*) as l_count ") + QStringLiteral(" From law ") +
           QStringLiteral("Where law.type_id =  ") + num(typeId);
}

QString wholeTextRowOf(const dvRtns4::Variant& lawCode) {
    return QStringLiteral(" SELECT law_id,law_code FROM law WHERE law_code = ") + quoted(lawCode) +
           QStringLiteral(" and all_law_flag = 1 ");
}

// Pages.

QString topicPage(Id topicId) {
    return QStringLiteral("SELECT topic.descr as topic_descr, abstract.abstract_id, abstract.descr "
                          "as abstr_descr ") +
           QStringLiteral(" FROM topic, abstract ") +
           QStringLiteral(" WHERE topic.topic_id = abstract.topic_id and topic.topic_id = ") +
           num(topicId) + QStringLiteral(" ORDER BY aa_abstr_flag asc ");
}

QString abstractLinks(Id abstractId) {
    return QStringLiteral(" SELECT law.law_id,law.descr, law.title ") +
           QStringLiteral(" FROM abstract, abstract_law, law ") +
           QStringLiteral(" WHERE abstract_law.abstract_id = ") + num(abstractId) +
           QStringLiteral(" and abstract.abstract_id = abstract_law.abstract_id ") +
           QStringLiteral(" and abstract_law.law_id = law.law_id ") +
           QStringLiteral(" and abstract_law.display_conn_flag = 1 ") +
           QStringLiteral(" ORDER BY abstract_law.aa_law_flag ");
}

QString actHeaderFromHistory(Id id) {
    return QStringLiteral(" SELECT law.title,law.descr,law.type_id,law.all_law_flag,BlobType,"
                          "LAWTYPE.display_flag ") +
           QStringLiteral(" FROM law,LAWTYPE ") + QStringLiteral(" WHERE law.law_id = ") + num(id) +
           QStringLiteral(" and law.type_id = LAWTYPE.type_id ");
}

QString actCodeOf(Id id) {
    return QStringLiteral(" SELECT law.law_code FROM law WHERE law.law_id = ") + num(id);
}

QString actHeader(Id id) {
    return QStringLiteral(" SELECT law.title,law.descr,law.type_id,law.all_law_flag, BlobType, "
                          "LAWTYPE.display_flag ") +
           QStringLiteral(" FROM law,LAWTYPE ") + QStringLiteral(" WHERE law.law_id = ") + num(id) +
           QStringLiteral(" and law.type_id = LAWTYPE.type_id ");
}

QString assembledActHead(Id id) {
    return QStringLiteral(" SELECT law.title,law.descr,law_code,BlobType ") +
           QStringLiteral(" FROM law,LAWTYPE ") + QStringLiteral(" WHERE law.law_id = ") + num(id) +
           QStringLiteral(" and LAWTYPE.display_flag = 1 ") +
           QStringLiteral(" and law.type_id = LAWTYPE.type_id ");
}

QString assembledActRows(const dvRtns4::Variant& lawCode) {
    return QStringLiteral("SELECT law.law_id,law.title, law.descr, law.type_id, "
                          "law.article_code,law.law_code,law.parag_code,BlobType ") +
           QStringLiteral(" FROM law ") + QStringLiteral(" WHERE law.law_code = ") +
           quoted(lawCode) +
           QStringLiteral(" ORDER BY val(law.article_code) asc, val(law.parag_code) "
                          "asc,val(law.parag_subcode) asc");
}

QString articleRowCount(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode) {
    return QStringLiteral(" SELECT count(*) as l_count ") + QStringLiteral(" FROM law ") +
           QStringLiteral(" WHERE law.article_code = ") + quoted(articleCode) +
           QStringLiteral(" and law.law_code = ") + quoted(lawCode) +
           QStringLiteral(" and law.type_id = 2");
}

QString paragraphRowCount(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode,
                          const dvRtns4::Variant& paragCode) {
    return QStringLiteral(" SELECT count(*) as l_count ") + QStringLiteral(" FROM law ") +
           QStringLiteral(" WHERE law.article_code = ") + quoted(articleCode) +
           QStringLiteral(" and law.law_code = ") + quoted(lawCode) +
           QStringLiteral(" and law.parag_code = ") + quoted(paragCode) +
           QStringLiteral(" and law.type_id = 5");
}

QString topicsCitingAct(const std::vector<Id>& ids) {
    return QStringLiteral(" SELECT TOPIC.TOPIC_ID, TOPIC.DESCR") + kTopicsCitingFrom +
           QStringLiteral(" WHERE ABSTRACT_LAW.LAW_ID In(") + idList(ids) + QStringLiteral(")");
}

QString topicsCitingActFromHistory(const std::vector<Id>& ids) {
    return QStringLiteral(" SELECT TOPIC.TOPIC_ID, TOPIC.DESCR") + kTopicsCitingFrom +
           QStringLiteral(" WHERE ABSTRACT_LAW.law_id In(") + idList(ids) + QStringLiteral(")");
}

QString lawCodesOf(const std::vector<Id>& ids) {
    return QStringLiteral("Select LAW_CODE from LAW Where LAW_ID In(") + idList(ids) +
           QStringLiteral(")");
}

QString topicsCitingCodes(const QStringList& lawCodes) {
    QStringList quotedCodes;
    quotedCodes.reserve(lawCodes.size());
    for (const QString& code : lawCodes)
        quotedCodes << quoted(dvRtns4::Variant(code));
    return QStringLiteral(" SELECT dISTINCT TOPIC.TOPIC_ID, TOPIC.DESCR") + kTopicsCitingFrom +
           QStringLiteral(" WHERE LAW.LAW_CODE In(") + quotedCodes.join(u',') + QStringLiteral(")");
}

QString schedulePage(Id nodeId) {
    return QStringLiteral("SELECT Schedule.IsBlob,Schedule.descr as Schedule_descr, "
                          "ScheduleAbstract.Abstract_id, ScheduleAbstract.descr as abstr_descr ") +
           QStringLiteral(" FROM Schedule, ScheduleAbstract ") +
           QStringLiteral(" WHERE Schedule.Schedule_id = ScheduleAbstract.Schedule_id and "
                          "Schedule.Schedule_id = ") +
           num(nodeId) + QStringLiteral(" ORDER BY aa_abstr_flag asc ");
}

QString scheduleAbstractDocument(Id abstractId) {
    return QStringLiteral("Select * from ScheduleAbstract Where ABSTRACT_ID=") + num(abstractId);
}

QString templateHeader(Id id) {
    return QStringLiteral(" SELECT Schedulelaw.title,Schedulelaw.descr,Schedulelaw.type_id,"
                          "Schedulelaw.all_law_flag,LAWTYPE.display_flag ") +
           QStringLiteral(" FROM Schedulelaw,LAWTYPE ") +
           QStringLiteral(" WHERE Schedulelaw.law_id = ") + num(id) +
           QStringLiteral(" and Schedulelaw.type_id = LAWTYPE.type_id ");
}

QString assembledTemplateHead(Id id) {
    return QStringLiteral(" SELECT Schedulelaw.title,Schedulelaw.descr,law_code ") +
           QStringLiteral(" FROM Schedulelaw,LAWTYPE ") +
           QStringLiteral(" WHERE Schedulelaw.law_id = ") + num(id) +
           QStringLiteral(" and LAWTYPE.display_flag = 1 ") +
           QStringLiteral(" and Schedulelaw.type_id = LAWTYPE.type_id ");
}

QString assembledTemplateRows(const dvRtns4::Variant& lawCode) {
    return QStringLiteral("SELECT Schedulelaw.law_id,Schedulelaw.title, Schedulelaw.descr, "
                          "Schedulelaw.type_id, "
                          "Schedulelaw.article_code,Schedulelaw.law_code,Schedulelaw.parag_code ") +
           QStringLiteral("  from Schedulelaw ") +
           QStringLiteral(" WHERE Schedulelaw.law_code = ") + quoted(lawCode) +
           QStringLiteral(
               " ORDER BY val(Schedulelaw.article_code) asc, val(Schedulelaw.parag_code) "
               "asc,val(Schedulelaw.parag_subcode) asc");
}

QString templateArticleRowCount(const dvRtns4::Variant& articleCode,
                                const dvRtns4::Variant& lawCode) {
    return QStringLiteral(" SELECT count(*) as l_count ") + QStringLiteral("  from Schedulelaw ") +
           QStringLiteral(" WHERE Schedulelaw.article_code = ") + quoted(articleCode) +
           QStringLiteral(" and Schedulelaw.law_code = ") + quoted(lawCode) +
           QStringLiteral(" and Schedulelaw.type_id = 2");
}

QString templateParagraphRowCount(const dvRtns4::Variant& articleCode,
                                  const dvRtns4::Variant& lawCode,
                                  const dvRtns4::Variant& paragCode) {
    return QStringLiteral(" SELECT count(*) as l_count ") + QStringLiteral("  from Schedulelaw ") +
           QStringLiteral(" WHERE Schedulelaw.article_code = ") + quoted(articleCode) +
           QStringLiteral(" and Schedulelaw.law_code = ") + quoted(lawCode) +
           QStringLiteral(" and Schedulelaw.parag_code = ") + quoted(paragCode) +
           QStringLiteral(" and Schedulelaw.type_id = 5");
}

QString actDocument(Id id) {
    return QStringLiteral("Select BlobBody, BlobType from Law where law_id = ") + num(id);
}

QString templateDocument(Id id) {
    return QStringLiteral("Select BlobType, BlobBody from Schedulelaw Where LAW_ID=") + num(id);
}

// History.

QString historyEntry(Id id) {
    return QStringLiteral(" SELECT law.title, law.law_id ") + QStringLiteral(" FROM law ") +
           QStringLiteral(" WHERE law.law_id = ") + num(id) +
           QStringLiteral(" ORDER BY law.law_id ");
}

QString actForHistory(Id id) {
    return QStringLiteral(" SELECT law.title, law.descr ") + QStringLiteral(" FROM law ") +
           QStringLiteral(" WHERE law.law_id = ") + num(id) +
           QStringLiteral(" ORDER BY law.law_id ");
}

// Searches.

QString topicKeywordSearch(const QString& condition) {
    return QStringLiteral(
               "Select DISTINCTROW topic.topic_id, topic.topic_id_parent FROM KEYS INNER JOIN "
               "((TOPIC INNER JOIN ABSTRACT ON TOPIC.TOPIC_ID = ABSTRACT.TOPIC_ID) INNER JOIN "
               "ABSTRACT_KEYS ON ABSTRACT.ABSTRACT_ID = ABSTRACT_KEYS.ABSTRACT_ID) ON KEYS.KEY_ID "
               "= ABSTRACT_KEYS.KEY_ID") +
           QStringLiteral(" WHERE ") + condition.trimmed();
}

QString topicTitleSearch(const QString& condition) {
    return QStringLiteral(" SELECT topic.topic_id, topic.topic_id_parent  ") +
           QStringLiteral(" FROM topic ") + QStringLiteral(" WHERE ") + condition.trimmed();
}

QString topicAncestor(Id id) {
    return QStringLiteral(" SELECT topic.topic_id, topic.topic_id_parent ") +
           QStringLiteral(" FROM topic ") + QStringLiteral(" WHERE topic.topic_id =  ") + num(id);
}

QString lawKeywordSearch(const QString& condition) {
    return QStringLiteral(" SELECT DISTINCT law.LAW_ID, law.TYPE_ID, law.TITLE") +
           QStringLiteral(" FROM KEYS INNER JOIN ((LAWTYPE INNER JOIN law ON LAWTYPE.TYPE_ID = "
                          "law.TYPE_ID) INNER JOIN LAW_KEYS ON LAW.LAW_ID = LAW_KEYS.LAW_ID) ON "
                          "KEYS.KEY_ID = LAW_KEYS.KEY_ID") +
           QStringLiteral(
               " WHERE  LAWTYPE.display_flag = 1 and LAWTYPE.type_id = law.type_id and ") +
           condition.trimmed();
}

QString lawTitleSearch(const QString& condition) {
    return QStringLiteral(" SELECT distinct law.LAW_ID, law.TYPE_ID, law.TITLE") +
           QStringLiteral(" FROM law INNER JOIN LAWTYPE ON law.TYPE_ID = LAWTYPE.TYPE_ID") +
           QStringLiteral(
               " WHERE  LAWTYPE.display_flag = 1 and LAWTYPE.type_id = law.type_id and ") +
           condition.trimmed();
}

QString scheduleSearch(const QString& condition) {
    return QStringLiteral(" SELECT Schedule.Schedule_id, Schedule.Schedule_id_parent  ") +
           QStringLiteral(" FROM Schedule ") + QStringLiteral(" WHERE ") + condition.trimmed();
}

QString scheduleAncestor(Id id) {
    return QStringLiteral(" SELECT Schedule.Schedule_id, Schedule.Schedule_id_parent ") +
           QStringLiteral(" FROM Schedule ") + QStringLiteral(" WHERE Schedule.Schedule_id =  ") +
           num(id);
}

} // namespace lexora::store
