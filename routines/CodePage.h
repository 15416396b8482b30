// Single-byte code pages of a Greek system, for texts that travel as one byte
// per character: Windows-1253 (the ANSI code page) and Greek DOS 737 (the OEM
// code page). The tables come from iconv once per process. Bytes that
// Windows-1253 leaves undefined map to the characters the original platform
// gives them (C1 controls and three private-use characters), so that every
// byte survives a trip through text.
#pragma once

#include "dvRtns4Export.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <bitset>

namespace dvRtns4 {

class DVRTNS4_EXPORT SingleByteCodePage {
public:
    static const SingleByteCodePage& windows1253();
    static const SingleByteCodePage& dos737();

    // The character of a byte; U+FFFD for a byte without one.
    char16_t character(unsigned char byte) const { return m_characters[byte]; }
    // The same, except that the bytes the code page leaves undefined give
    // U+FFFD rather than the platform's stand-ins: for showing a document,
    // where a stand-in would appear as a control or private-use character.
    char16_t definedCharacter(unsigned char byte) const {
        return m_standIn[byte] ? char16_t{0xFFFD} : m_characters[byte];
    }
    // The byte of a character, or '?' when the code page has none.
    unsigned char byte(char16_t character) const;
    bool contains(char16_t character) const { return m_bytes.contains(character); }

    // Characters without a byte become '?'. A character outside the basic
    // plane (two UTF-16 units) becomes one '?'.
    QByteArray encode(QStringView text) const;
    QString decode(QByteArrayView bytes) const;

private:
    SingleByteCodePage(const char* iconvName, bool windowsUndefinedBytes);

    std::array<char16_t, 256> m_characters{};
    std::bitset<256> m_standIn;
    QHash<char16_t, unsigned char> m_bytes;
};

} // namespace dvRtns4
