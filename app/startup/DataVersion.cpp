// The data-version probe: the statement is opened and closed, its value
// never read.
#include "app/startup/DataVersion.h"

#include "app/store/Statements.h"
#include "engine/Connection.h"

#include <exception>

namespace lexora::startup {

bool DataVersionOK(engine::Connection& connection) {
    try {
        engine::Recordset result =
            connection.openRecordset(store::maxTypeId(), engine::CursorType::Static,
                                     engine::LockType::ReadOnly, engine::CommandType::Text);
        result.close();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace lexora::startup
