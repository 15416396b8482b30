// The data-version probe: a database of the right version lets the
// legislation types (LAWTYPE.TYPE_ID) be queried.
#pragma once

namespace engine {
class Connection;
}

namespace lexora::startup {

// True when the statement runs on the open connection. Every error of the
// probe means a wrong version; none is passed on.
bool DataVersionOK(engine::Connection& connection);

} // namespace lexora::startup
