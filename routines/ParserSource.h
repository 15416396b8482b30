// The character sources the definition-file parser reads: a text held in
// memory, or a file decoded as UTF-8 when it is valid UTF-8 throughout and
// as Windows-1253 otherwise. Files are read in chunks, so their size does
// not bound memory. Internal to the library.
#pragma once

#include <QString>

#include <memory>

namespace dvRtns4::parserdetail {

class ParserSource {
public:
    virtual ~ParserSource();
    // The next character; false when none is left.
    bool next(QChar& c);
    // Moves past the end of the current line (a line feed, a carriage return
    // or both), or to the end of the source when the line is the last.
    void skipLine();
    // True when no character is left.
    bool exhausted();
    // Stops reading: the source counts as exhausted from now on.
    void abandon() { m_abandoned = true; }

protected:
    // Appends the next piece of text to buffer; false when there is no more.
    // Throws RoutineError when the source cannot be read.
    virtual bool fill(QString& buffer) = 0;

private:
    bool ensure();
    QString m_buffer;
    qsizetype m_pos = 0;
    bool m_ended = false;
    bool m_abandoned = false;
};

std::unique_ptr<ParserSource> memorySource(const QString& text);
// Opens a regular file; throws RoutineError when it cannot be read.
std::unique_ptr<ParserSource> fileSource(const QString& fileName);

} // namespace dvRtns4::parserdetail
