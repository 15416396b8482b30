// The character-shifting scrambler, computed on Windows-1253 codes.
#include "routines/clsEncode.h"

#include "routines/CodePage.h"

namespace dvRtns4 {

namespace {

constexpr qsizetype kMaxLength = 200;

QByteArray utf16Bytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

QByteArray trimSpaces(const QByteArray& bytes) {
    qsizetype first = 0;
    qsizetype last = bytes.size();
    while (first < last && bytes.at(first) == ' ')
        ++first;
    while (last > first && bytes.at(last - 1) == ' ')
        --last;
    return bytes.mid(first, last - first);
}

} // namespace

QString clsEncode::CodeStr(const QString& sPsw, qint16 iShift, bool bEncode, bool bAsUnicode) {
    const auto& ansi = SingleByteCodePage::windows1253();
    const int k = iShift < 0 || iShift > 100 ? 100 : iShift;
    const QByteArray widened = bAsUnicode && bEncode ? utf16Bytes(sPsw) : ansi.encode(sPsw);
    const QByteArray codes = trimSpaces(widened).left(kMaxLength);

    QByteArray shifted;
    shifted.reserve(codes.size());
    for (qsizetype i = 1; i <= codes.size(); ++i) {
        const int c = static_cast<unsigned char>(codes.at(i - 1));
        const int position = static_cast<int>(i);
        int v = bEncode ? c + k - position : c - k + position;
        if (v < 0)
            v += 255;
        if (v > 255)
            v -= 255;
        shifted.append(static_cast<char>(v));
    }
    return ansi.decode(shifted);
}

} // namespace dvRtns4
