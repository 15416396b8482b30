// The file dialog for saving a page as PDF. It starts in the folder of the
// last file saved (the user's documents folder the first time) and adds the
// ".pdf" ending when the name chosen has none.
#pragma once

#include "platform/printing/PdfFileChooser.h"

namespace lexora::printing {

class PdfFileDialog final : public pages::PdfFileChooser {
public:
    QString choosePdfFile(QWidget* parent, const QString& proposedName) override;

private:
    QString m_folder;
};

} // namespace lexora::printing
