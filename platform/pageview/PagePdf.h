// Writing a rendered page into a PDF file, through the same drawing as paper.
#pragma once

#include <QString>

class QTextDocument;

namespace lexora::pages {

// Writes page to the PDF file at path (replacing it). False, with the file
// not created, when the file cannot be written.
bool writePagePdf(const QTextDocument& page, const QString& path);

} // namespace lexora::pages
