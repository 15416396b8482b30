// Folding is done code point by code point: the full upper-case mapping of
// the toolkit would split ΐ and ΰ into three code points each, which the
// replacements below could then no longer find.
#include "platform/text/GreekFolding.h"

#include "routines/TextHelpers.h"

#include <array>
#include <utility>

namespace lexora::text {

namespace {

// Applied in this order to the upper-cased text.
constexpr std::array<std::pair<char16_t, char16_t>, 11> kPlainCapitals{{
    {u'\u03AB', u'\u03A5'}, // Ϋ -> Υ
    {u'\u03B0', u'\u03A5'}, // ΰ -> Υ
    {u'\u03AA', u'\u0399'}, // Ϊ -> Ι
    {u'\u0390', u'\u0399'}, // ΐ -> Ι
    {u'\u0386', u'\u0391'}, // Ά -> Α
    {u'\u0388', u'\u0395'}, // Έ -> Ε
    {u'\u038C', u'\u039F'}, // Ό -> Ο
    {u'\u038E', u'\u03A5'}, // Ύ -> Υ
    {u'\u038A', u'\u0399'}, // Ί -> Ι
    {u'\u0389', u'\u0397'}, // Ή -> Η
    {u'\u038F', u'\u03A9'}, // Ώ -> Ω
}};

} // namespace

QString foldGreekLetters(const QString& value) {
    QString folded = dvRtns4::upperCase(value);
    for (const auto& [from, to] : kPlainCapitals)
        folded.replace(QChar(from), QChar(to));
    return folded;
}

} // namespace lexora::text
