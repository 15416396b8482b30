// The pieces are written into a QSaveFile, which renames its temporary file
// to the document's name only when every piece is in: a reader never sees a
// half-written document, and a failure leaves nothing behind.
#include "app/pages/documents/DocumentFile.h"

#include "engine/EngineError.h"
#include "engine/Field.h"

#include <QRegularExpression>
#include <QSaveFile>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <exception>

namespace lexora::pages {

DocumentClock::~DocumentClock() = default;

float SystemDocumentClock::secondsSinceMidnight() const {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0F;
}

qint16 progressPercent(float start, float t1, float t2) {
    constexpr float kDay = 86400.0F;
    float e1 = t1 - start;
    float e2 = t2 - start;
    if (e1 < 0)
        e1 += kDay;
    if (e2 < 0)
        e2 += kDay;
    const double p = static_cast<double>(e1) * 100.0 / (static_cast<double>(e2) + 1.0);
    return static_cast<qint16>(std::nearbyint(std::clamp(p, -32768.0, 32767.0)));
}

bool isDocumentType(const QString& type) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_+-]{1,32}$"));
    return pattern.match(type).hasMatch();
}

bool writeFieldToFile(engine::Field body, const QString& path,
                      const std::function<void()>& afterPiece) {
    try {
        const qint64 size = body.actualSize();
        if (size <= 0)
            return false;
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        for (qint64 offset = 0; offset < size; offset += kDocumentChunkSize) {
            const qint64 wanted = std::min(kDocumentChunkSize, size - offset);
            const QByteArray piece = body.getChunk(wanted);
            if (piece.size() != wanted || file.write(piece) != wanted) {
                file.cancelWriting();
                return false;
            }
            if (afterPiece)
                afterPiece();
        }
        return file.commit();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace lexora::pages
