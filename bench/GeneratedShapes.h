// What the database generator puts where the benchmark looks for it: the two
// sizes, the acts whose pages are timed and the texts searched for.
#pragma once

#include <QString>

#include <cstdint>

namespace lexora::bench {

struct DatabaseSize {
    const char* name;
    int topics;
    int lawRows;
    int chartNodes;
};

inline constexpr DatabaseSize kSizeM{"M", 1000, 11000, 400};
inline constexpr DatabaseSize kSizeL{"L", 5000, 51000, 2000};

// Ids start above the 16-bit range, where a real edition's ids have grown.
inline constexpr std::int32_t kFirstTopicId = 32701;
inline constexpr std::int32_t kFirstChartId = 32601;
inline constexpr std::int32_t kFirstLawId = 40000;

// The header rows of two assembled acts: one of 15 rows, one of 1,000.
inline constexpr std::int32_t kSmallActId = kFirstLawId;
inline constexpr int kSmallActRows = 15;
inline constexpr std::int32_t kLargeActId = kFirstLawId + 100;
inline constexpr int kLargeActRows = 1000;

// Texts typed into the search boxes.
inline QString topicKeywordText() {
    return QStringLiteral("άδεια");
}
inline QString lawKeywordText() {
    return QStringLiteral("αξιολόγηση");
}
inline QString lawTitleText() {
    return QStringLiteral("μαθητών");
}
inline QString chartText() {
    return QStringLiteral("Τμήμα Προσωπικού");
}

} // namespace lexora::bench
