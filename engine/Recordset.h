// The rows a statement returned, read forward from the first: end test, move
// first, move next, fields by name (letter case ignored) or position.
#pragma once

#include "engine/EngineError.h"
#include "engine/EngineExport.h"
#include "engine/Field.h"

#include <QString>

#include <memory>

namespace engine {

namespace detail {
struct Cursor;
}

enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };
enum class CommandType { Text = 1, Table = 2, StoredProc = 4 };

class LEXORA_ENGINE_EXPORT Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool isOpen() const;
    bool eof() const; // also true for an empty result
    bool bof() const;
    void moveFirst();
    void moveNext();
    void close(); // changes not yet saved by update() are dropped

    // Results opened with a lock other than read-only, over one table, can
    // change binary fields of their current row (Field::appendChunk):
    // update() saves them, as does moving to another row.
    bool isUpdatable() const;
    void update();
    void cancelUpdate();

    // Static and keyset results: the number of rows; forward-only: -1.
    long recordCount() const;

    int fieldCount() const;
    Field field(const QString& name) const; // throws ItemNotFound
    Field field(int index) const;
    dvRtns4::Variant value(const QString& name) const { return field(name).value(); }

    using Impl = detail::Cursor;

private:
    friend class Connection;
    friend class Field;
    explicit Recordset(std::shared_ptr<Impl> impl);
    // Shared with the fields handed out, which stay valid (and follow the
    // current row) while the result is open, and fail cleanly once it is gone.
    std::shared_ptr<Impl> m_impl;
};

} // namespace engine
