// Small helpers for the RTF tests: read a snippet, list its paragraphs, find
// the format at a piece of text and the document's tables.
#pragma once

#include "platform/richtext/RtfReader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <memory>

namespace richtext_test {

inline std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf) {
    return lexora::richtext::RtfReader::read(rtf);
}

// Every block's text in document order (cells included), joined by '|'.
inline QString blocksOf(const QTextDocument& document) {
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks << block.text();
    }
    return blocks.join(QLatin1Char('|'));
}

inline QString blocksOf(const QByteArray& rtf) {
    const auto document = readRtf(rtf);
    return document ? blocksOf(*document) : QStringLiteral("<not read>");
}

// A cursor that selects the first occurrence of needle (null cursor if none).
inline QTextCursor find(const QTextDocument& document, const QString& needle) {
    return document.find(needle);
}

// The character format in the middle of the first occurrence of needle.
inline QTextCharFormat formatAt(const QTextDocument& document, const QString& needle) {
    QTextCursor cursor = document.find(needle);
    if (cursor.isNull()) {
        return {};
    }
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

inline QTextBlockFormat blockFormatAt(const QTextDocument& document, const QString& needle) {
    const QTextCursor cursor = document.find(needle);
    return cursor.isNull() ? QTextBlockFormat() : cursor.blockFormat();
}

inline QList<QTextTable*> tablesOf(const QTextDocument& document) {
    QList<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            tables << table;
        }
    }
    return tables;
}

inline QString cellText(QTextTable* table, int row, int column) {
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace richtext_test
