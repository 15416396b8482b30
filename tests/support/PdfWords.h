// The words of a PDF file with their boxes, as pdftotext -bbox reports them,
// so that tests can check what size and where text was printed.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace testsupport {

struct PdfWord {
    QString text;
    int page = 0; // from 0
    QRectF box;   // in points, from the top left corner of the sheet
};

struct PdfWords {
    QList<QSizeF> pages; // sheet sizes in points
    QList<PdfWord> words;

    bool isEmpty() const { return pages.isEmpty(); }
    bool contains(const QString& text) const;
};

// Empty when the file cannot be read.
PdfWords readPdfWords(const QString& path);

// A description of the words whose box height lies outside [low, high]
// points (empty when there is none), for a test's failure message.
QString wordsOutsideHeights(const PdfWords& pdf, double low, double high);

} // namespace testsupport
