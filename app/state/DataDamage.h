// Damaged data met while reading the database: a hierarchy deeper than any
// real one (a parent chain that runs on for thousands of levels) or an id
// beyond the 32-bit range the program keeps ids in. The rows concerned are
// left out and the user is told once per run and kind, in Greek, so that a
// damaged table costs a part of a tree, never the program or a stream of
// messages.
#pragma once

#include "routines/MessagePresenter.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace lexora {

// The deepest level the trees show and the searches walk up to: real
// hierarchies are a handful of levels deep.
inline constexpr int kMaxHierarchyDepth = 64;

enum class DataDamage { Hierarchy, IdOutOfRange };

namespace detail {
inline bool& damageReported(DataDamage kind) {
    static bool hierarchy = false;
    static bool idOutOfRange = false;
    return kind == DataDamage::Hierarchy ? hierarchy : idOutOfRange;
}
} // namespace detail

inline const QString kDamagedDataTitle = QStringLiteral("Κατεστραμμένα Δεδομένα");

inline QString damageMessage(DataDamage kind) {
    if (kind == DataDamage::Hierarchy)
        return QStringLiteral("Η ιεραρχία της βάσης δεδομένων είναι κατεστραμμένη: "
                              "ό,τι βρίσκεται βαθύτερα από %1 επίπεδα δεν εμφανίζεται.")
            .arg(kMaxHierarchyDepth);
    return QStringLiteral("Η βάση δεδομένων περιέχει κωδικούς εκτός των επιτρεπτών ορίων: "
                          "οι εγγραφές τους δεν εμφανίζονται.");
}

// Tells the user of damaged data of that kind, the first time only.
inline void reportDataDamage(DataDamage kind) {
    bool& reported = detail::damageReported(kind);
    if (reported)
        return;
    reported = true;
    dvRtns4::MessageRequest request;
    request.icon = dvRtns4::MsgIcon::Exclamation;
    request.title = kDamagedDataTitle;
    request.text = damageMessage(kind);
    dvRtns4::messagePresenter().show(request);
}

// Lets the next damage of every kind be told again (a new run; tests).
inline void forgetDataDamageReports() {
    detail::damageReported(DataDamage::Hierarchy) = false;
    detail::damageReported(DataDamage::IdOutOfRange) = false;
}

// A 64-bit id read from a row as the program keeps it: nullopt, reported as
// damaged data, when it is outside the 32-bit range.
inline std::optional<std::int32_t> checkedId(std::int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        reportDataDamage(DataDamage::IdOutOfRange);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace lexora
