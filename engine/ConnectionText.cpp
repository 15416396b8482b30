// Connection texts: "Provider=...; Mode=ReadWrite;Data source=<path>;Jet
// OLEDB:Database Password=<pw>". Only the data source matters to SQLite.
#include "engine/ConnectionText.h"
#include "engine/Connection.h"

#include <QStringList>

namespace engine {

QString dataSourceOf(const QString& connectionText) {
    const QStringList parts = connectionText.split(QLatin1Char(';'));
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = part.left(eq).simplified();
        if (key.compare(QLatin1String("Data source"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return {};
}

QString connectionTextFor(const QString& path, const QString& password) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0; Mode=ReadWrite;") +
           QStringLiteral("Data source=") + path + QStringLiteral(";Jet OLEDB:Database Password=") +
           password;
}

} // namespace engine
