// The document box over QTextEdit: each load builds a new document and swaps
// it in only when reading succeeded.
#include "DocumentBox.h"

#include "RtfReader.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QTextDocument>

namespace lexora::richtext {

DocumentBox::DocumentBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
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
    setDocument(loaded.release());
    if (ownPrevious) {
        delete previous;
    }
    return true;
}

QString DocumentBox::Text() const {
    return toPlainText();
}

void DocumentBox::SetText(const QString& text) {
    setPlainText(text);
}

void DocumentBox::Print(QPagedPaintDevice* printer) const {
    if (printer != nullptr) {
        document()->print(printer);
    }
}

} // namespace lexora::richtext
