// The text of every statement the program sends to its database, built from
// fixed pieces and values exactly as the program has always sent them (the
// odd blanks included). Ids are written as plain decimals; text values are
// quoted with clsString::FixQuotes; id lists are joined by "," without blanks.
// One builder per statement; the code that sends a statement calls its builder.
#pragma once

#include "routines/Variant.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace lexora::store {

using Id = std::int32_t;

// Start-up and settings.
QString maxTypeId();                                     // data-version probe
QString sysInfoDisplayAtStart();                         // main window start
QString sysInfoDisplayForSettings();                     // opening the settings window
QString updateSysInfoFromSettings(std::int16_t value);   // settings window
QString updateSysInfoFromInfoWindow(std::int16_t value); // information window

// Trees.
QString topicTopLevel();
QString topicChildren(Id parentId);
QString topicChildCount(Id id);
QString scheduleTopLevel();
QString scheduleChildren(Id parentId);
QString scheduleChildCount(Id id);
QString lawTypeBranches();
QString lawCountOfTypeForImage(Id typeId);
QString lawsOfType(Id typeId);
QString lawCountOfType(Id typeId);
QString wholeTextRowOf(const dvRtns4::Variant& lawCode);

// Pages.
QString topicPage(Id topicId);
QString abstractLinks(Id abstractId);
QString actHeaderFromHistory(Id id);
QString actHeader(Id id);
QString actCodeOf(Id id); // the name proposed for saving an act as PDF
QString assembledActHead(Id id);
QString assembledActRows(const dvRtns4::Variant& lawCode);
QString articleRowCount(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode);
QString paragraphRowCount(const dvRtns4::Variant& articleCode, const dvRtns4::Variant& lawCode,
                          const dvRtns4::Variant& paragCode);
QString topicsCitingAct(const std::vector<Id>& ids);
QString topicsCitingActFromHistory(const std::vector<Id>& ids);
QString lawCodesOf(const std::vector<Id>& ids);
QString topicsCitingCodes(const QStringList& lawCodes);
QString schedulePage(Id nodeId);
QString scheduleAbstractDocument(Id abstractId);
QString templateHeader(Id id);
QString assembledTemplateHead(Id id);
QString assembledTemplateRows(const dvRtns4::Variant& lawCode);
QString templateArticleRowCount(const dvRtns4::Variant& articleCode,
                                const dvRtns4::Variant& lawCode);
QString templateParagraphRowCount(const dvRtns4::Variant& articleCode,
                                  const dvRtns4::Variant& lawCode,
                                  const dvRtns4::Variant& paragCode);
QString actDocument(Id id);
QString templateDocument(Id id);

// History. A history line is read as an id before it goes into a statement.
QString historyEntry(Id id);
QString actForHistory(Id id);

// Searches: `condition` is the condition builder's text, trimmed here.
QString topicKeywordSearch(const QString& condition);
QString topicTitleSearch(const QString& condition);
QString topicAncestor(Id id);
QString lawKeywordSearch(const QString& condition);
QString lawTitleSearch(const QString& condition);
QString scheduleSearch(const QString& condition);
QString scheduleAncestor(Id id);

// Pieces shared by the builders.
QString quoted(const dvRtns4::Variant& value);
QString idList(const std::vector<Id>& ids);

} // namespace lexora::store
