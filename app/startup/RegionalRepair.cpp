// The values of the regional repair.
#include "app/startup/RegionalRepair.h"

#include "app/startup/OsVersionName.h"
#include "app/startup/RegionalStoreLocaleSource.h"

namespace lexora::startup {

namespace {

const std::vector<RegionalValue>& baseValues() {
    static const std::vector<RegionalValue> values = {
        {QStringLiteral("iTime"), QStringLiteral("1")},
        {QStringLiteral("iTLZero"), QStringLiteral("1")},
        {QStringLiteral("Locale"), QStringLiteral("00000408")},
        {QStringLiteral("s1159"), QStringLiteral("πμ")},
        {QStringLiteral("s2359"), QStringLiteral("μμ")},
        {QStringLiteral("sCountry"), QStringLiteral("Ελλάδα")},
        {QStringLiteral("sCurrency"), QStringLiteral("€")},
        {QStringLiteral("sDate"), QStringLiteral("/")},
        {QStringLiteral("sDecimal"), QStringLiteral(",")},
        {QStringLiteral("sLanguage"), QStringLiteral("ELL")},
        {QStringLiteral("sList"), QStringLiteral(";")},
        {QStringLiteral("sLongDate"), QStringLiteral("dddd, d MMMM yyyy")},
        {QStringLiteral("sShortDate"), QStringLiteral("dd/MM/yyyy")},
        {QStringLiteral("sThousand"), QStringLiteral(".")},
        {QStringLiteral("sTime"), QStringLiteral(":")},
        {QStringLiteral("sTimeFormat"), QStringLiteral("HH:mm:ss")},
        {QStringLiteral("sMonDecimalSep"), QStringLiteral(",")},
        {QStringLiteral("sMonThousandSep"), QStringLiteral(".")},
    };
    return values;
}

bool oneOf(const QString& name, std::initializer_list<const char*> names) {
    for (const char* candidate : names) {
        if (name == QString::fromUtf8(candidate))
            return true;
    }
    return false;
}

} // namespace

std::vector<RegionalValue> RegionalRepairValues(const platform::OsVersion& version) {
    const QString name = GetOSVersionName(version);
    const bool other = version.isOtherPlatform();
    std::vector<RegionalValue> values;
    if (other || oneOf(name, {"Windows XP", "Windows 2000", "Windows Vista/Server 2008",
                              "Windows 8", "Windows 7/Server 2008 R2"}))
        values = baseValues();
    if (other ||
        oneOf(name, {"Windows 8", "Windows Vista/Server 2008", "Windows 7/Server 2008 R2"})) {
        values.emplace_back(QStringLiteral("LocaleName"), QStringLiteral("el-GR"));
        values.emplace_back(QStringLiteral("sYearMonth"), QStringLiteral("MMMM yyyy"));
    }
    if (other || oneOf(name, {"Windows 7/Server 2008 R2", "Windows 8"}))
        values.emplace_back(QStringLiteral("sShortTime"), QStringLiteral("HH:mm"));
    return values;
}

bool SetRegStrValueControlPanel(dvRtns4::SettingsStore& regionalStore, const QString& name,
                                const QString& value) {
    return regionalStore.write(kInternationalKey, name,
                               value.isEmpty() ? QStringLiteral(" ") : value);
}

} // namespace lexora::startup
