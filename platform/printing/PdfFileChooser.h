// The choice of a PDF file to save a page into: the program shows a file
// dialog behind it, tests hand out a path of their own.
#pragma once

#include <QString>

class QWidget;

namespace lexora::pages {

class PdfFileChooser {
public:
    virtual ~PdfFileChooser() = default;
    // The path chosen, offering proposedName; empty when the user cancelled.
    virtual QString choosePdfFile(QWidget* parent, const QString& proposedName) = 0;
};

} // namespace lexora::pages
