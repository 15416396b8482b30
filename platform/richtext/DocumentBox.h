// A read-only box that shows an RTF document (the program's rtbWord,
// rtbWordLawTopic, rtbWordLaw, rtbhotBrowser and the legal-text window's box):
// loads a file or built-in RTF text, gives its plain text, and prints its
// whole content on a printer the caller has chosen.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextEdit>

class QPagedPaintDevice;

namespace lexora::richtext {

class DocumentBox : public QTextEdit {
    Q_OBJECT
public:
    explicit DocumentBox(QWidget* parent = nullptr);

    // Shows the RTF file at path. False when the file cannot be read or is not
    // RTF; the box then keeps what it showed before.
    bool LoadFile(const QString& path);
    // Shows RTF text held by the program; false, with the box unchanged, when
    // rtf is not RTF.
    bool LoadRtf(const QByteArray& rtf);

    // The content as plain text, paragraphs separated by "\n".
    QString Text() const;
    // Replaces the content with plain text (never read as markup).
    void SetText(const QString& text);

    // The box's own visibility setting, whether or not its window is shown.
    bool Visible() const { return !isHidden(); }

    // Prints the whole content, whatever is selected, on printer.
    void Print(QPagedPaintDevice* printer) const;
};

} // namespace lexora::richtext
