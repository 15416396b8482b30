// The small helpers of clsCommonUse.
#include "routines/clsCommonUse.h"

#include "routines/TextHelpers.h"

#include <utility>

namespace dvRtns4 {

QString clsCommonUse::PreText() {
    return QStringLiteral("<?>");
}

void clsCommonUse::Split_Pair(const QString& spair, QString& key, QString& Value,
                              const QString& delimiter) {
    key.clear();
    Value.clear();
    if (spair.isEmpty())
        return;
    const qsizetype p = spair.indexOf(delimiter);
    if (p < 0)
        return;
    key = upperCase(trimSpaces(spair.left(p)));
    // The value starts one character after the delimiter's start, whatever its length.
    Value = trimSpaces(spair.mid(p + 1));
}

void clsCommonUse::Swap(Variant& var1, Variant& var2) {
    std::swap(var1, var2);
}

} // namespace dvRtns4
