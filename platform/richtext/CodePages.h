// The single-byte character sets an RTF document may use for its 8-bit text:
// Windows code pages 1252 (Western) and 1253 (Greek), and the symbol fonts
// (Symbol, Wingdings) whose bytes name glyphs rather than letters.
#pragma once

#include <QChar>

namespace lexora::richtext {

enum class ByteEncoding {
    Windows1252,
    Windows1253,
    SymbolFont,    // Adobe Symbol: Greek letters and mathematical signs
    WingdingsFont, // the usual bullets and check marks
    OtherSymbol,   // other symbol-charset fonts: private-use U+F0hh, as Windows maps them
};

// The encoding of a Windows code page number; 1252 for the ones not handled.
ByteEncoding encodingForCodePage(int codePage);

// The code page of an RTF font charset (\fcharsetN), or 0 when the charset
// has none of its own (1 = default, 2 = symbol) or is unknown.
int codePageForCharset(int charset);

// The character a byte stands for; U+FFFD for bytes the code page leaves undefined.
QChar decodeByte(unsigned char byte, ByteEncoding encoding);

} // namespace lexora::richtext
