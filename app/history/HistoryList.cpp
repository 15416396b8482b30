// The entries of the history list, its file and the saving of one act.
#include "app/history/HistoryList.h"

#include "app/history/HistoryFile.h"
#include "app/store/Statements.h"
#include "engine/EngineError.h"
#include "routines/MessagePresenter.h"

#include <QListWidget>

#include <vector>

namespace lexora::history {

namespace {

engine::Recordset openReadOnly(engine::Connection& connection, const QString& statement) {
    return connection.openRecordset(statement, engine::CursorType::Keyset,
                                    engine::LockType::ReadOnly, engine::CommandType::Text);
}

const QString kHistoryTitle = QStringLiteral("Ιστορικό");

void showHistoryMessage(const QString& text) {
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Exclamation;
    request.title = kHistoryTitle;
    request.text = text;
    dvRtns4::messagePresenter().show(request);
}

void appendEntry(QListWidget& lsthistory, const QString& title, std::int32_t lawId) {
    auto* entry = new QListWidgetItem(title, &lsthistory);
    entry->setData(kLawIdRole, lawId);
}

} // namespace

HistoryFileState LoadHistory(QListWidget& lsthistory, engine::Connection& connection,
                             const QString& path) {
    const HistoryRead read = readHistory(path);
    HistoryFileState state;
    if (read.status == HistoryRead::Status::NotRegular) {
        state.untouchable = true;
        showHistoryMessage(QStringLiteral(
            "Το αρχείο του ιστορικού «history.txt» στον φάκελο της εφαρμογής δεν είναι "
            "κανονικό αρχείο (είναι φάκελος, σύνδεσμος ή συσκευή). Το ιστορικό δεν "
            "φορτώθηκε και δεν θα αποθηκευτεί σε αυτό."));
    } else if (read.leftOut) {
        state.partial = true;
        showHistoryMessage(
            QStringLiteral("Το αρχείο του ιστορικού είναι μεγαλύτερο από όσο μπορεί να "
                           "φορτωθεί: φορτώθηκαν οι πρώτες %1 εγγραφές του και οι υπόλοιπες "
                           "παραλείφθηκαν. Το αρχείο δεν θα αντικατασταθεί χωρίς τη "
                           "συγκατάθεσή σας.")
                .arg(read.ids.size()));
    }
    try {
        for (const std::int32_t id : read.ids) {
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
    return state;
}

bool save_history(const QListWidget& lsthistory, const QString& path, HistoryFileState* loaded) {
    if (loaded != nullptr) {
        if (loaded->untouchable || loaded->declined)
            return false;
        if (loaded->partial) {
            dvRtns4::MessageRequest request;
            request.icon = dvRtns4::MsgIcon::Question;
            request.title = kHistoryTitle;
            request.text = QStringLiteral(
                "Το αρχείο του ιστορικού φορτώθηκε μόνο εν μέρει. Να αντικατασταθεί από τη "
                "λίστα του ιστορικού; Ό,τι δεν φορτώθηκε από αυτό θα χαθεί.");
            request.buttons = dvRtns4::MsgButtons::YesNo;
            const bool agreed =
                dvRtns4::messagePresenter().show(request) == dvRtns4::MsgResult::Yes;
            loaded->partial = false;
            loaded->declined = !agreed;
            if (!agreed)
                return false;
        }
    }
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
