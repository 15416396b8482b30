// Errors the library's routines raise themselves, and recording whatever
// error a routine caught in the last-error record. Internal to the library.
#pragma once

#include <QString>

#include <stdexcept>

namespace dvDBrtns4 {

// The source under which the library records errors that are its own (file
// access, values it cannot use) rather than the engine's.
inline constexpr auto LibrarySource = "dvDBrtns4";

// An error with a number, a source and a description, as the routines
// raise them.
class RoutineFailure : public std::runtime_error {
public:
    RoutineFailure(qint32 number, QString source, QString description);
    qint32 number() const { return m_number; }
    const QString& source() const { return m_source; }
    const QString& description() const { return m_description; }

private:
    qint32 m_number;
    QString m_source;
    QString m_description;
};

// Call inside a catch block: records the error being handled with the source
// where + " > " + the error's own source and the error's description.
void recordCaughtError(const QString& where);

} // namespace dvDBrtns4
