// The error the page viewer and its document model throw: an operation on a
// viewer without a document, a stale element, a style assignment the model
// refuses, or a print command that failed. Callers show the description.
#pragma once

#include <QString>

#include <stdexcept>

namespace lexora::pages {

class PageError : public std::runtime_error {
public:
    explicit PageError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    const QString& description() const { return m_description; }

private:
    QString m_description;
};

} // namespace lexora::pages
