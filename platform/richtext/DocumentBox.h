// A read-only box that shows an RTF document (the program's rtbWord,
// rtbWordLawTopic, rtbWordLaw, rtbhotBrowser and the legal-text window's box):
// loads a file or built-in RTF text, gives its plain text, and prints its
// whole content on a printer the caller has chosen. The reader can find in
// the text (Ctrl+F, a find bar at the foot of the box) and zoom it (Ctrl++,
// Ctrl+-, Ctrl+0, Ctrl+wheel); printing is always at the document's own size.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextEdit>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace lexora::textview {
class FindBar;
class TextZoom;
} // namespace lexora::textview

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

    textview::FindBar* findBar() const { return m_find; }
    textview::TextZoom* zoom() const { return m_zoom; }
    // The content at its own sizes, whatever the zoom.
    std::unique_ptr<QTextDocument> unzoomedDocument() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyZoom(double factor);
    void placeFindBar();

    textview::FindBar* m_find;
    textview::TextZoom* m_zoom;
    double m_zoomFactor = 1.0;
};

} // namespace lexora::richtext
