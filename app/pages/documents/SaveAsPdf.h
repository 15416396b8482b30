// Save as PDF: a button beside each print button writes what that button
// would print (the document box, the attached HTML file or the page,
// whichever is shown) into a PDF file the user chooses, proposing a name made
// of the act's code. The page goes through the same drawing as paper.
//   cmdpdflaw     beside cmdpiclaw        (topics tab; an act must be chosen)
//   cmdpdflawhist beside cmdpiclawhist    (legislation and history tabs)
//   cmdpdfabstr   beside cmdpicprintabstr (the topic or chart page)
//   cmdhotconnpdf beside cmdhotconnprint  (law viewer window)
// The page pane has the first three; the law viewer's is made here. Each
// follows its print button's visibility and place.
#pragma once

#include <QString>

#include <memory>

class QTextDocument;
class QToolButton;
class QWidget;

namespace lexora::richtext {
class DocumentBox;
}
namespace lexora::startup {
struct ProgramContext;
}
namespace lexora::shell {
struct Panes;
}
namespace lexora::windows {
struct LawViewerHooks;
} // namespace lexora::windows

namespace lexora::pages {

class PageViewer;
class PdfFileChooser;

// The controls one print button chooses from, in that order.
struct PdfSource {
    richtext::DocumentBox* box = nullptr;
    PageViewer* fileViewer = nullptr;
    PageViewer* pageViewer = nullptr;
};

// The document that is shown, at its own sizes; nullptr when none is.
std::unique_ptr<QTextDocument> shownDocument(const PdfSource& source);

// "<code>.pdf", with the characters a file name cannot hold replaced by "-";
// fallback (a name without ending) when the code is empty.
QString pdfFileName(const QString& code, const QString& fallback);

// Asks for a file and writes the shown document into it; a file that cannot
// be written is told in a message box. False when nothing was written.
bool SaveShownAsPdf(QWidget* parent, const PdfSource& source, const QString& proposedName,
                    PdfFileChooser& chooser);

// Answers the page pane's PDF buttons and, through the law viewer's hooks,
// adds the button beside the law viewer's print button.
void installSaveAsPdf(shell::Panes& form, startup::ProgramContext& context,
                      windows::LawViewerHooks& viewerHooks, PdfFileChooser& chooser);

} // namespace lexora::pages
