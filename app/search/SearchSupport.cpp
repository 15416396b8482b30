// The search steps report their own errors, so that a pattern the engine
// rejects or a damaged row costs the user one search, not the program.
#include "app/search/SearchSupport.h"

#include "app/state/DataDamage.h"
#include "engine/EngineError.h"
#include "platform/treeview/TreeError.h"
#include "routines/MessagePresenter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>

namespace lexora::search {

namespace {

Q_LOGGING_CATEGORY(lcSearch, "lexora.search")

// The user reads what happened in Greek; the engine's own (English,
// technical) description follows for whoever the user asks for help, and
// goes to the log as well.
void showSearchError(const QString& description) {
    qCWarning(lcSearch).noquote() << "search stopped:" << description;
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Critical;
    request.title = kSearchErrorTitle;
    request.text = kSearchErrorText + QStringLiteral("\n\n") + description;
    dvRtns4::messagePresenter().show(request);
}

bool runLogged(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const engine::EngineError& error) {
        qCWarning(lcSearch).noquote() << "tree fill stopped:" << error.description();
    } catch (const trees::TreeError& error) {
        qCWarning(lcSearch).noquote() << "tree fill stopped:" << error.description();
    }
    return false;
}

void fillWhole(trees::TreeControl& tree, engine::Connection& connection, TreeFill fill) {
    if (tree.topLevelItemCount() > 0)
        tree.clearNodes();
    fill(tree, connection, {}, false, {}, true);
}

} // namespace

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

bool runReportingErrors(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const engine::EngineError& error) {
        showSearchError(error.description());
    } catch (const trees::TreeError& error) {
        showSearchError(error.description());
    }
    return false;
}

bool runTreeSearch(trees::TreeControl& tree, engine::Connection& connection, const QString& cond,
                   TreeFill fullFill, const std::function<void()>& search) {
    if (cond.trimmed().isEmpty()) {
        runReportingErrors([&] { fillWhole(tree, connection, fullFill); });
        return true;
    }
    if (runReportingErrors(search))
        return true;
    // Already reported once: a failing second fill only goes to the log.
    runLogged([&] { fillWhole(tree, connection, fullFill); });
    return false;
}

std::int32_t idField(const engine::Recordset& rs, const QString& field) {
    const dvRtns4::Variant value = rs.value(field);
    if (value.isMissing())
        return 0;
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        return 0;
    return checkedId(number).value_or(0);
}

engine::Recordset openSearch(engine::Connection& connection, const QString& statement) {
    return connection.openRecordset(statement, engine::CursorType::Keyset,
                                    engine::LockType::ReadOnly, engine::CommandType::Text);
}

} // namespace lexora::search
