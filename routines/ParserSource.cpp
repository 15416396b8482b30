// Memory and file sources of the definition-file parser.
#include "routines/ParserSource.h"

#include "routines/CodePage.h"
#include "routines/FileSystemObject.h"
#include "routines/RoutineError.h"

#include <QFile>
#include <QStringDecoder>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dvRtns4::parserdetail {

namespace {

constexpr qsizetype kChunk = 64 * 1024;

RoutineError readError(int err) {
    if (err == EACCES || err == EPERM)
        return {FileSystemObject::PermissionDenied, QStringLiteral("Permission denied")};
    if (err == ENOENT)
        return {FileSystemObject::FileNotFound, QStringLiteral("File not found")};
    return {FileSystemObject::PathFileAccessError, QStringLiteral("Path/File access error")};
}

class MemorySource final : public ParserSource {
public:
    explicit MemorySource(QString text) : m_text(std::move(text)) {}

protected:
    bool fill(QString& buffer) override {
        if (m_given)
            return false;
        m_given = true;
        buffer = std::move(m_text);
        return true;
    }

private:
    QString m_text;
    bool m_given = false;
};

class FileSource final : public ParserSource {
public:
    explicit FileSource(const QString& fileName) {
        // Not blocking: opening a pipe must not wait for a writer.
        m_fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0)
            throw readError(errno);
        struct stat st {};
        // A device or a pipe never ends; only files are read.
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(m_fd);
            throw readError(EINVAL);
        }
        try {
            m_utf8 = isUtf8();
            if (::lseek(m_fd, 0, SEEK_SET) != 0)
                throw readError(errno);
        } catch (...) {
            ::close(m_fd);
            throw;
        }
    }
    ~FileSource() override { ::close(m_fd); }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

protected:
    bool fill(QString& buffer) override {
        const QByteArray bytes = readChunk();
        if (bytes.isEmpty())
            return false;
        buffer = m_utf8 ? m_decoder.decode(bytes) : SingleByteCodePage::windows1253().decode(bytes);
        return true;
    }

private:
    QByteArray readChunk() {
        QByteArray bytes(kChunk, Qt::Uninitialized);
        for (;;) {
            const ssize_t n = ::read(m_fd, bytes.data(), static_cast<size_t>(kChunk));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                throw readError(errno);
            bytes.truncate(n);
            return bytes;
        }
    }

    // Whether the whole file is valid UTF-8: every lead byte followed by as
    // many continuation bytes as it announces, the last sequence complete.
    bool isUtf8() {
        int pending = 0;
        for (QByteArray bytes = readChunk(); !bytes.isEmpty(); bytes = readChunk()) {
            for (const char ch : std::as_const(bytes)) {
                const auto b = static_cast<unsigned char>(ch);
                if (pending > 0) {
                    if ((b & 0xC0) != 0x80)
                        return false;
                    --pending;
                } else if (b >= 0xC2 && b <= 0xDF) {
                    pending = 1;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    pending = 2;
                } else if (b >= 0xF0 && b <= 0xF4) {
                    pending = 3;
                } else if (b >= 0x80) {
                    return false;
                }
            }
        }
        return pending == 0;
    }

    int m_fd = -1;
    bool m_utf8 = true;
    QStringDecoder m_decoder{QStringConverter::Utf8};
};

} // namespace

ParserSource::~ParserSource() = default;

bool ParserSource::ensure() {
    if (m_abandoned)
        return false;
    while (m_pos >= m_buffer.size()) {
        if (m_ended)
            return false;
        m_buffer.clear();
        m_pos = 0;
        if (!fill(m_buffer)) {
            m_ended = true;
            return false;
        }
    }
    return true;
}

bool ParserSource::next(QChar& c) {
    if (!ensure())
        return false;
    c = m_buffer.at(m_pos++);
    return true;
}

void ParserSource::skipLine() {
    QChar c;
    while (next(c)) {
        if (c == u'\n')
            return;
        if (c == u'\r') {
            if (ensure() && m_buffer.at(m_pos) == u'\n')
                ++m_pos;
            return;
        }
    }
}

bool ParserSource::exhausted() {
    return !ensure();
}

std::unique_ptr<ParserSource> memorySource(const QString& text) {
    return std::make_unique<MemorySource>(text);
}

std::unique_ptr<ParserSource> fileSource(const QString& fileName) {
    return std::make_unique<FileSource>(fileName);
}

} // namespace dvRtns4::parserdetail
