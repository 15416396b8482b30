// The error every engine operation throws: a number and a description, as
// the program's callers expect from the database engine. 3024 is a missing
// database file, 3044 a missing folder; other failures keep SQLite's text.
#pragma once

#include "engine/EngineExport.h"

#include <QString>

#include <stdexcept>

namespace engine {

namespace errors {
inline constexpr int FileNotFound = 3024;
inline constexpr int PathNotFound = 3044;
inline constexpr int NotADatabase = 3343;    // unrecognised or damaged database format
inline constexpr int ItemNotFound = 3265;    // no field of that name in the result
inline constexpr int NoCurrentRecord = 3021; // read past the end
inline constexpr int NotUpdatable = 3251;    // the result cannot change its rows
inline constexpr int ObjectClosed = 3704;    // operation on a closed connection or result
inline constexpr int GeneralSql = 3000;      // any other SQLite failure (description from SQLite)
} // namespace errors

class LEXORA_ENGINE_EXPORT EngineError : public std::runtime_error {
public:
    EngineError(int number, const QString& description);
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace engine
