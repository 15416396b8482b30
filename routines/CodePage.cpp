// The code-page tables, read from iconv one byte at a time.
#include "routines/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace dvRtns4 {

namespace {

constexpr char16_t kNoCharacter = 0xFFFD;

// The character iconv gives for one byte of `codePage`, or kNoCharacter.
char16_t convertByte(iconv_t cd, unsigned char byte) {
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr); // reset the state
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return kNoCharacter;
    if (sizeof out - outLeft != 2)
        return kNoCharacter; // nothing, or a character outside the basic plane
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

// What the original platform's Windows-1253 table gives for the bytes the
// code page leaves undefined.
char16_t windowsUndefinedByte(unsigned char byte) {
    switch (byte) {
    case 0xAA:
        return 0xF8F9;
    case 0xD2:
        return 0xF8FA;
    case 0xFF:
        return 0xF8FB;
    default:
        return byte >= 0x80 && byte <= 0x9F ? char16_t{byte} : kNoCharacter;
    }
}

} // namespace

SingleByteCodePage::SingleByteCodePage(const char* iconvName, bool windowsUndefinedBytes) {
    iconv_t cd = iconv_open("UTF-16LE", iconvName);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        char16_t c = kNoCharacter;
        if (cd != reinterpret_cast<iconv_t>(-1))
            c = convertByte(cd, byte);
        else if (byte < 0x80)
            c = byte; // without iconv at least ASCII holds
        if (c == kNoCharacter && windowsUndefinedBytes) {
            c = windowsUndefinedByte(byte);
            m_standIn[byte] = c != kNoCharacter;
        }
        m_characters[byte] = c;
        if (c != kNoCharacter && !m_bytes.contains(c))
            m_bytes.insert(c, byte);
    }
    if (cd != reinterpret_cast<iconv_t>(-1))
        iconv_close(cd);
}

const SingleByteCodePage& SingleByteCodePage::windows1253() {
    static const SingleByteCodePage page("CP1253", true);
    return page;
}

const SingleByteCodePage& SingleByteCodePage::dos737() {
    static const SingleByteCodePage page("CP737", false);
    return page;
}

unsigned char SingleByteCodePage::byte(char16_t character) const {
    return m_bytes.value(character, static_cast<unsigned char>('?'));
}

QByteArray SingleByteCodePage::encode(QStringView text) const {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            bytes.append('?');
            ++i;
            continue;
        }
        bytes.append(static_cast<char>(byte(c.unicode())));
    }
    return bytes;
}

QString SingleByteCodePage::decode(QByteArrayView bytes) const {
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const char16_t c = character(static_cast<unsigned char>(b));
        text.append(c == kNoCharacter ? QChar(u'?') : QChar(c));
    }
    return text;
}

} // namespace dvRtns4
