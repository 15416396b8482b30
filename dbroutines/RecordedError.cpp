// Turning a caught error into the last-error record.
#include "dbroutines/RecordedError.h"

#include "dbroutines/LibraryState.h"
#include "engine/EngineError.h"
#include "engine/StatementRunner.h"
#include "routines/RoutineError.h"

#include <new>

namespace dvDBrtns4 {

RoutineFailure::RoutineFailure(qint32 number, QString source, QString description)
    : std::runtime_error(description.toStdString()), m_number(number), m_source(std::move(source)),
      m_description(std::move(description)) {}

void recordCaughtError(const QString& where) {
    const QString prefix = where + QStringLiteral(" > ");
    const QString library = QString::fromLatin1(LibrarySource);
    try {
        throw;
    } catch (const engine::EngineError& e) {
        SetDBError(e.number(), prefix + QString::fromLatin1(engine::ErrorSource), e.description());
    } catch (const RoutineFailure& e) {
        SetDBError(e.number(), prefix + e.source(), e.description());
    } catch (const dvRtns4::RoutineError& e) {
        SetDBError(e.number(), prefix + QStringLiteral("dvRtns4"), e.description());
    } catch (const std::bad_alloc&) {
        SetDBError(7, prefix + library, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        SetDBError(5, prefix + library, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        SetDBError(5, prefix + library, QStringLiteral("Invalid procedure call or argument"));
    }
}

} // namespace dvDBrtns4
