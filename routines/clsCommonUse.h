// clsCommonUse: three small helpers: the marker text "<?>", splitting a pair
// such as «name=value» into its key and value, and exchanging two values.
// Stateless; every member may be called on the class or on an instance.
#pragma once

#include "Variant.h"
#include "dvRtns4Export.h"

#include <QString>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsCommonUse {
public:
    // Always "<?>".
    static QString PreText();
    // Splits spair at the first delimiter: key is the trimmed, upper-cased
    // text before it, Value the trimmed text after its first character. Both
    // are empty when the delimiter does not occur.
    static void Split_Pair(const QString& spair, QString& key, QString& Value,
                           const QString& delimiter = QStringLiteral("="));
    // Exchanges the two values.
    static void Swap(Variant& var1, Variant& var2);
};

} // namespace dvRtns4
