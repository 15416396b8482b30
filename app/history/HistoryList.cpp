// The entries of the history list, its file and the saving of one act.
#include "HistoryList.h"

#include "EngineError.h"
#include "HistoryFile.h"
#include "MessagePresenter.h"
#include "Statements.h"

#include <QListWidget>

#include <vector>

namespace lexora::history {

namespace {

engine::Recordset openReadOnly(engine::Connection& connection, const QString& statement) {
    return connection.openRecordset(statement, engine::CursorType::Keyset,
                                    engine::LockType::ReadOnly, engine::CommandType::Text);
}

void appendEntry(QListWidget& lsthistory, const QString& title, std::int32_t lawId) {
    auto* entry = new QListWidgetItem(title, &lsthistory);
    entry->setData(kLawIdRole, lawId);
}

} // namespace

void LoadHistory(QListWidget& lsthistory, engine::Connection& connection, const QString& path) {
    try {
        for (const std::int32_t id : readHistoryFile(path)) {
            engine::Recordset rs = openReadOnly(connection, store::historyEntry(id));
            while (!rs.eof()) {
                appendEntry(lsthistory, rs.value(QStringLiteral("title")).toString(),
                            static_cast<std::int32_t>(rs.value(QStringLiteral("law_id")).toInt()));
                rs.moveNext();
            }
            rs.close();
        }
    } catch (const engine::EngineError&) {
        // The entries read so far stay; the rest of the file is not loaded.
    }
}

bool save_history(const QListWidget& lsthistory, const QString& path) {
    std::vector<std::int32_t> ids;
    ids.reserve(static_cast<std::size_t>(lsthistory.count()));
    for (int row = 0; row < lsthistory.count(); ++row)
        ids.push_back(entryLawId(lsthistory, row));
    return writeHistoryFile(path, ids);
}

std::int32_t entryLawId(const QListWidget& lsthistory, int row) {
    const QListWidgetItem* entry = lsthistory.item(row);
    return entry ? entry->data(kLawIdRole).toInt() : 0;
}

std::int32_t selectedLawId(const QListWidget& lsthistory) {
    const QListWidgetItem* entry = lsthistory.currentItem();
    return entry && entry->isSelected() ? entry->data(kLawIdRole).toInt() : 0;
}

bool containsAct(const QListWidget& lsthistory, std::int32_t lawId) {
    for (int row = 0; row < lsthistory.count(); ++row)
        if (entryLawId(lsthistory, row) == lawId)
            return true;
    return false;
}

void addActToHistory(QListWidget& lsthistory, engine::Connection& connection, std::int32_t lawId) {
    if (containsAct(lsthistory, lawId)) {
        dvRtns4::MessageRequest request;
        request.icon = dvRtns4::MsgIcon::Critical;
        request.title = QStringLiteral("Ανεπιτυχής Αποθήκευση");
        request.text = QStringLiteral("Υπάρχει ήδη αποθηκευμένο το τρέχον Νομοθέτημα στο Ιστορικό");
        dvRtns4::messagePresenter().show(request);
        return;
    }
    engine::Recordset rs = openReadOnly(connection, store::actForHistory(lawId));
    while (!rs.eof()) {
        appendEntry(lsthistory, rs.value(QStringLiteral("title")).toString(), lawId);
        rs.moveNext();
    }
    rs.close();
}

} // namespace lexora::history
