// The error the tree control throws, with the numbers callers of a tree
// control know: a key already in the tree, a parent key or image key not
// found, an invalid (empty) key.
#pragma once

#include <QString>

#include <stdexcept>

namespace lexora::trees {

namespace errors {
inline constexpr int ElementNotFound = 35601;
inline constexpr int KeyNotUnique = 35602;
inline constexpr int InvalidKey = 35603;
} // namespace errors

class TreeError : public std::runtime_error {
public:
    TreeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace lexora::trees
