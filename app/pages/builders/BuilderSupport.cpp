// Shared pieces of the page builders: key values, node toggling, flag tests,
// counts, the busy pointer and the error report.
#include "app/pages/builders/BuilderSupport.h"

#include "app/shell/Panes.h"
#include "platform/treeview/TreeNode.h"
#include "routines/MessagePresenter.h"

#include <QGuiApplication>
#include <QListWidget>

#include <limits>

namespace lexora::pages::detail {

std::int32_t leadingNumber(const QString& text) {
    std::int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t nodeId(const trees::TreeNode& node) {
    return leadingNumber(node.key().mid(1));
}

void toggleNode(trees::TreeNode& node) {
    if (node.childCount() == 0)
        return;
    if (node.imageKey() == QLatin1String("open")) {
        node.setImageKey(QStringLiteral("closed"));
        node.setExpanded(false);
    } else {
        node.setImageKey(QStringLiteral("open"));
        node.setExpanded(true);
    }
}

bool flagIs(const dvRtns4::Variant& value, std::int64_t number) {
    return !value.isMissing() && value.toInt() == number;
}

std::int64_t countOf(engine::Connection& connection, const QString& statement) {
    engine::Recordset rs = connection.execute(statement);
    const std::int64_t count = rs.eof() ? 0 : rs.value(QStringLiteral("l_count")).toInt();
    rs.close();
    return count;
}

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

void reportDatabaseError(const QString& title, const engine::EngineError& error) {
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Critical;
    request.title = title;
    request.text = QStringLiteral("Η σελίδα δεν μπορεί να διαβαστεί από τη βάση δεδομένων.\r\n") +
                   error.description();
    dvRtns4::messagePresenter().show(request);
}

std::int32_t actIdFor(const shell::Panes& form, std::int32_t currentLawId, const QString& brwname) {
    if (brwname == QLatin1String("not_history"))
        return currentLawId;
    const QListWidgetItem* entry = form.tabs.historyList().currentItem();
    if (!entry || !entry->isSelected())
        return 0;
    return entry->data(Qt::UserRole).toInt();
}

} // namespace lexora::pages::detail
