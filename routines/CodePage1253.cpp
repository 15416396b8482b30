// Byte-to-Unicode table of code page 1253.
#include "routines/CodePage1253.h"

#include <array>

namespace dvRtns4 {

namespace {

constexpr char16_t Undefined = 0xFFFD;

// 0x80-0xBF; 0xC0-0xFE run through U+0390-U+03CE except 0xD2.
constexpr std::array<char16_t, 64> High = {
    0x20AC,    Undefined, 0x201A,    0x0192, 0x201E,    0x2026,    0x2020,    0x2021,
    Undefined, 0x2030,    Undefined, 0x2039, Undefined, Undefined, Undefined, Undefined,
    Undefined, 0x2018,    0x2019,    0x201C, 0x201D,    0x2022,    0x2013,    0x2014,
    Undefined, 0x2122,    Undefined, 0x203A, Undefined, Undefined, Undefined, Undefined,
    0x00A0,    0x0385,    0x0386,    0x00A3, 0x00A4,    0x00A5,    0x00A6,    0x00A7,
    0x00A8,    0x00A9,    Undefined, 0x00AB, 0x00AC,    0x00AD,    0x00AE,    0x2015,
    0x00B0,    0x00B1,    0x00B2,    0x00B3, 0x0384,    0x00B5,    0x00B6,    0x00B7,
    0x0388,    0x0389,    0x038A,    0x00BB, 0x038C,    0x00BD,    0x038E,    0x038F,
};

} // namespace

QChar windows1253ToUnicode(unsigned char byte) {
    if (byte < 0x80)
        return QChar(static_cast<char16_t>(byte));
    if (byte < 0xC0)
        return QChar(High[byte - 0x80]);
    if (byte == 0xD2 || byte == 0xFF)
        return QChar(Undefined);
    return QChar(static_cast<char16_t>(0x0390 + (byte - 0xC0)));
}

QString fromWindows1253(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = windows1253ToUnicode(static_cast<unsigned char>(bytes[i]));
    return out;
}

} // namespace dvRtns4
