// OEM <-> ANSI conversion through the two single-byte code pages.
#include "routines/clsOEMtxt.h"

#include "routines/CodePage.h"
#include "routines/RoutineError.h"

namespace dvRtns4 {

namespace {

// The bytes of `text` in code page `from`, read as characters of `via`,
// written as bytes of `from` again and read back as text: the text's letters
// re-encoded from one code page to the other.
QString convert(const QString& text, qint16 bufferLength, const SingleByteCodePage& carrier,
                const SingleByteCodePage& source, const SingleByteCodePage& target) {
    if (bufferLength < 1 || text.size() >= bufferLength)
        throw RoutineError::invalidArgument();
    const QByteArray sourceBytes = carrier.encode(text);
    QByteArray targetBytes;
    targetBytes.reserve(sourceBytes.size());
    for (const char b : sourceBytes) {
        const char16_t letter = source.character(static_cast<unsigned char>(b));
        if (letter == 0)
            break; // the buffer's text ends at its first NUL
        targetBytes.append(static_cast<char>(target.byte(letter)));
    }
    return carrier.decode(targetBytes);
}

} // namespace

QString clsOEMtxt::OEM2Win(const QString& sOEM, qint16 sLen) {
    const auto& ansi = SingleByteCodePage::windows1253();
    return convert(sOEM, sLen, ansi, SingleByteCodePage::dos737(), ansi);
}

QString clsOEMtxt::Win2OEM(const QString& sWin, qint16 sLen) {
    const auto& ansi = SingleByteCodePage::windows1253();
    return convert(sWin, sLen, ansi, ansi, SingleByteCodePage::dos737());
}

} // namespace dvRtns4
