// A property store in memory. It keeps the saved values and the names in the
// order they were read and written, so that a caller can see what a control
// asked for.
#pragma once

#include "DravikExport.h"
#include "PropertyBag.h"

#include <QMap>
#include <QStringList>

namespace Dravik {

class DRAVIK_EXPORT MemoryPropertyBag final : public PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) override;
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {}) override;

    // The values held, without those left out as equal to their defaults.
    const QMap<QString, QVariant>& values() const { return m_values; }
    bool contains(const QString& name) const { return m_values.contains(name); }
    QVariant value(const QString& name) const { return m_values.value(name); }
    void setValue(const QString& name, const QVariant& value) { m_values.insert(name, value); }

    // Every name asked for, in order, including repeats.
    const QStringList& readNames() const { return m_reads; }
    // Every name written, in order, including those left out.
    const QStringList& writtenNames() const { return m_writes; }
    void clearLog();

private:
    QMap<QString, QVariant> m_values;
    QStringList m_reads;
    QStringList m_writes;
};

} // namespace Dravik
