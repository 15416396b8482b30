// Writing a stored document out of its binary field into a file, piece by
// piece, and the time-based step of the progress bar shown meanwhile.
#pragma once

#include <QString>

#include <functional>

namespace engine {
class Field;
}

namespace lexora::pages {

// The size of one piece read from a binary field.
inline constexpr qint64 kDocumentChunkSize = 64000;

// The clock of the progress bar: single-precision seconds since midnight.
class DocumentClock {
public:
    virtual ~DocumentClock();
    virtual float secondsSinceMidnight() const = 0;
};

class SystemDocumentClock final : public DocumentClock {
public:
    float secondsSinceMidnight() const override;
};

// The percentage a time-based progress bar shows: about e * 100 / (e + 1)
// after e seconds (50 after one second, 90 after nine), from two readings of
// the clock taken after the start. A reading past midnight counts on from the
// start instead of going back to zero.
qint16 progressPercent(float start, float t1, float t2);

// True for a document type that can serve as a file extension: letters,
// digits, "_", "+" and "-", 1 to 32 of them. Anything else could name a
// file outside the folder.
bool isDocumentType(const QString& type);

// Writes the whole value of `body` to `path` in pieces of kDocumentChunkSize,
// calling `afterPiece` (when given) after each. The file appears under its
// name only once it is complete: on any failure (an empty or damaged value,
// a folder that cannot be written) there is no file at `path` and the result
// is false.
bool writeFieldToFile(engine::Field body, const QString& path,
                      const std::function<void()>& afterPiece);

} // namespace lexora::pages
