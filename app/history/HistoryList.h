// The history list lsthistory: one entry per saved act, its text the act's
// title (empty when null), its item data (Qt::UserRole) the act's law_id.
// Loading fills it from the history file, saving writes it back whole; the
// list is the only copy in between.
#pragma once

#include "engine/Connection.h"

#include <QString>

#include <cstdint>

class QListWidget;

namespace lexora::history {

inline constexpr int kLawIdRole = 0x0100; // Qt::UserRole

// What the load learnt of the file, which the saves of the run respect.
struct HistoryFileState {
    bool partial = false;     // the limits left a part of the file out
    bool untouchable = false; // not a regular file: never written
    bool declined = false;    // the user chose to keep the partly read file
};

// Appends one entry per act of the file that is still in the database, in
// file order; an id without an act adds nothing. Loading stops at the first
// line that is not an id, at the limits of the file's reading (HistoryFile.h)
// or at a database error, keeping what it appended. A file beyond the
// limits, or one that is not a regular file, is reported in a Greek message.
HistoryFileState LoadHistory(QListWidget& lsthistory, engine::Connection& connection,
                             const QString& path);

// Writes every entry's act id, in list order. False when the file was not
// written; the old file is then as it was. With the load's state, a file that
// is not a regular file is never written, and a file the load read only in
// part is replaced only when the user agrees (asked once per run).
bool save_history(const QListWidget& lsthistory, const QString& path,
                  HistoryFileState* loaded = nullptr);

// The act id of an entry, or of the selected entry (0 when none is selected).
std::int32_t entryLawId(const QListWidget& lsthistory, int row);
std::int32_t selectedLawId(const QListWidget& lsthistory);

bool containsAct(const QListWidget& lsthistory, std::int32_t lawId);

// Saves an act to the list: the message "Υπάρχει ήδη αποθηκευμένο ..." when
// the list holds it already, otherwise one entry per row the database gives
// for it. Throws engine::EngineError for a database error.
void addActToHistory(QListWidget& lsthistory, engine::Connection& connection, std::int32_t lawId);

} // namespace lexora::history
