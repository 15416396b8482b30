// One column of a result's current row. Binary fields give their actual size
// and are read in pieces, each call continuing where the last one stopped.
#pragma once

#include "engine/EngineExport.h"

#include "routines/Variant.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace engine {

class Recordset;
namespace detail {
struct Cursor;
}

class LEXORA_ENGINE_EXPORT Field {
public:
    QString name() const;
    dvRtns4::Variant value() const;
    bool isNull() const; // without reading the value
    // Size in bytes of the value (binary, or text as UTF-8); 0 for null.
    qint64 actualSize() const;
    // The next `size` bytes of a binary value, fewer at its end, empty after.
    QByteArray getChunk(qint64 size);
    // Adds bytes to the value of an updatable result's current row: the first
    // call after opening, moving or saving replaces the value, later calls
    // append. Recordset::update() writes it. Throws when not updatable.
    void appendChunk(const QByteArray& bytes);

private:
    friend class Recordset;
    Field(std::weak_ptr<detail::Cursor> owner, int index)
        : m_owner(std::move(owner)), m_index(index) {}
    detail::Cursor& cursor() const; // throws ObjectClosed once the result is gone
    std::weak_ptr<detail::Cursor> m_owner;
    int m_index = -1;
};

} // namespace engine
