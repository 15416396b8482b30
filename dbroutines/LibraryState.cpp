// The one copy of the library-wide state: database type and last error.
#include "dbroutines/LibraryState.h"

namespace dvDBrtns4 {

namespace {

struct State {
    enum_DBtype dbType = db_typeUknown;
    DBErrorRecord lastError;
};

State& state() {
    static State s;
    return s;
}

} // namespace

enum_DBtype currentDBType() {
    return state().dbType;
}

DBErrorRecord lastDBError() {
    return state().lastError;
}

void SetDBError(qint32 number, const QString& source, const QString& description) {
    state().lastError = DBErrorRecord{number, source, description};
}

void setDBType(enum_DBtype type) {
    state().dbType = type;
}

void resetLibraryState() {
    state() = State{};
}

} // namespace dvDBrtns4
