// Enlarging or reducing a laid-out document's text and pictures, for zoom.
#pragma once

class QTextDocument;

namespace lexora::textview {

// Multiplies every font size that the document's text states (in points or
// pixels) and the size of every picture by factor. Text without a size of its
// own follows the document's default font, which the caller sets.
void scaleTextSizes(QTextDocument& document, double factor);

} // namespace lexora::textview
