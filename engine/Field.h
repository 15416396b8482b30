// One column of a result's current row. Binary fields give their actual size
// and are read in pieces, each call continuing where the last one stopped.
#pragma once

#include "Variant.h"

#include <QByteArray>
#include <QString>

namespace engine {

class Recordset;

class Field {
public:
    QString name() const;
    dvRtns4::Variant value() const;
    bool isNull() const { return value().isNull(); }
    // Size in bytes of the value (binary or text); 0 for null.
    qint64 actualSize() const;
    // The next `size` bytes of a binary value, fewer at its end, empty after.
    QByteArray getChunk(qint64 size);

private:
    friend class Recordset;
    Field(const Recordset* owner, int index) : m_owner(owner), m_index(index) {}
    const Recordset* m_owner = nullptr;
    int m_index = -1;
};

} // namespace engine
