// The property store a host keeps for each control on a form: a control reads
// its saved settings from it and writes them back when the host saves. A value
// equal to the default it is written with is left out of the store, so that a
// later read falls back on the reader's default.
#pragma once

#include "DravikExport.h"

#include <QString>
#include <QVariant>

namespace Dravik {

class DRAVIK_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();

    // The saved value of name, or defaultValue when none is saved.
    virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) = 0;
    // Saves value under name; a value equal to defaultValue removes the entry.
    virtual void WriteProperty(const QString& name, const QVariant& value,
                               const QVariant& defaultValue = {}) = 0;
};

} // namespace Dravik
