// The database is opened as start-up opens it, read only in effect: nothing
// here writes to it. The engine's own (English) text of a database error is
// not shown; the user is told in Greek what could not be done.
#include "app/PdfCommand.h"

#include "app/pages/builders/ActPdf.h"
#include "app/startup/StartupServices.h"
#include "engine/Connection.h"
#include "engine/EngineError.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace lexora {

int RunPdfCommand(const PdfRequest& request, const QString& applicationFolder,
                  const std::function<void(const QString&)>& error) {
    bool number = false;
    const qlonglong id = request.lawId.trimmed().toLongLong(&number);
    if (!number || id <= 0 || id > std::numeric_limits<std::int32_t>::max()) {
        error(QStringLiteral("Ο κωδικός νομοθετήματος «%1» δεν είναι θετικός ακέραιος αριθμός.")
                  .arg(request.lawId));
        return kPdfUsage;
    }
    const QString database = QDir(applicationFolder).filePath(startup::kDatabaseFileName);
    if (!QFileInfo(database).isFile()) {
        error(QStringLiteral("Δεν βρέθηκε η βάση δεδομένων «%1».")
                  .arg(QDir::toNativeSeparators(database)));
        return kPdfFailed;
    }
    try {
        engine::Connection connection;
        startup::EngineDatabaseOpener().openMain(connection, database);
        const auto result = pages::SaveActAsPdf(connection, applicationFolder,
                                                static_cast<std::int32_t>(id), request.path);
        if (result == pages::ActPdfResult::Written)
            return 0;
        error(pages::actPdfMessage(result, static_cast<std::int32_t>(id), request.path));
    } catch (const engine::EngineError&) {
        error(QStringLiteral("Σφάλμα κατά την ανάγνωση της βάσης δεδομένων «%1»: το "
                             "νομοθέτημα δεν γράφτηκε σε PDF.")
                  .arg(QDir::toNativeSeparators(database)));
    }
    return kPdfFailed;
}

} // namespace lexora
