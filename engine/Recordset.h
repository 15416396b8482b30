// The rows a statement returned, read forward from the first: end test, move
// first, move next, fields by name (letter case ignored) or position.
#pragma once

#include "EngineError.h"
#include "Field.h"

#include <QString>

#include <memory>

namespace engine {

enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };
enum class CommandType { Text = 1, Table = 2, StoredProc = 4 };

class Recordset {
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
    void close();

    // Static and keyset results: the number of rows; forward-only: -1.
    long recordCount() const;

    int fieldCount() const;
    Field field(const QString& name) const; // throws ItemNotFound
    Field field(int index) const;
    dvRtns4::Variant value(const QString& name) const { return field(name).value(); }

    struct Impl;

private:
    friend class Connection;
    explicit Recordset(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace engine
