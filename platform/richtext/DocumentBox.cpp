// The document box over QTextEdit: each load builds a new document and swaps
// it in only when reading succeeded. Zoom scales the document in place by
// the ratio of the new factor to the old one (point sizes are real numbers, so
// nothing drifts); a newly loaded document is brought to the current zoom.
#include "platform/richtext/DocumentBox.h"

#include "platform/richtext/RtfReader.h"
#include "platform/textview/FindBar.h"
#include "platform/textview/TextScaling.h"
#include "platform/textview/TextZoom.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QResizeEvent>
#include <QTextDocument>

#include <algorithm>

namespace lexora::richtext {

namespace {

void scaleDocument(QTextDocument& document, double factor) {
    QFont font = document.defaultFont();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    document.setDefaultFont(font);
    lexora::textview::scaleTextSizes(document, factor);
}

} // namespace

DocumentBox::DocumentBox(QWidget* parent)
    : QTextEdit(parent), m_find(new textview::FindBar(this, this, this)),
      m_zoom(new textview::TextZoom(this, this, [this](double factor) { applyZoom(factor); })) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    // The bar takes a strip at the foot of the box while it is open.
    connect(m_find, &textview::FindBar::openChanged, this, [this] { placeFindBar(); });
}

void DocumentBox::placeFindBar() {
    const int height = m_find->isOpen() ? m_find->sizeHint().height() : 0;
    setViewportMargins(0, 0, 0, height);
    const QRect inside = contentsRect();
    m_find->setGeometry(inside.left(), inside.bottom() + 1 - height, inside.width(), height);
}

void DocumentBox::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    placeFindBar();
}

void DocumentBox::applyZoom(double factor) {
    const double ratio = factor / m_zoomFactor;
    m_zoomFactor = factor;
    scaleDocument(*document(), ratio);
    m_find->refresh();
}

std::unique_ptr<QTextDocument> DocumentBox::unzoomedDocument() const {
    std::unique_ptr<QTextDocument> copy(document()->clone(const_cast<DocumentBox*>(this)));
    if (m_zoomFactor != 1.0)
        scaleDocument(*copy, 1.0 / m_zoomFactor);
    return copy;
}

bool DocumentBox::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return LoadRtf(file.readAll());
}

bool DocumentBox::LoadRtf(const QByteArray& rtf) {
    std::unique_ptr<QTextDocument> loaded = RtfReader::read(rtf);
    if (!loaded) {
        return false;
    }
    // The editor deletes the document it made itself when another replaces
    // it, but never one it was handed: the ones this box loaded are its own.
    QTextDocument* previous = document();
    const bool ownPrevious = previous->parent() == this;
    loaded->setParent(this);
    if (m_zoomFactor != 1.0)
        scaleDocument(*loaded, m_zoomFactor);
    setDocument(loaded.release());
    if (ownPrevious) {
        delete previous;
    }
    m_find->refresh();
    return true;
}

QString DocumentBox::Text() const {
    return toPlainText();
}

void DocumentBox::SetText(const QString& text) {
    setPlainText(text);
    m_find->refresh();
}

void DocumentBox::Print(QPagedPaintDevice* printer) const {
    if (printer != nullptr) {
        unzoomedDocument()->print(printer);
    }
}

} // namespace lexora::richtext
