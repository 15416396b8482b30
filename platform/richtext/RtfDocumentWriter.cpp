// Writing the reader's output into a QTextDocument, tables included.
#include "platform/richtext/RtfDocumentWriter.h"

#include "platform/richtext/RtfReader.h"

#include <QTextDocument>
#include <QTextLength>
#include <QTextTable>
#include <QTextTableFormat>

#include <algorithm>

namespace lexora::richtext {

namespace {

constexpr double TwipsPerPixel = 15.0; // 1440 twips an inch, 96 pixels an inch

} // namespace

RtfDocumentWriter::RtfDocumentWriter(QTextDocument& document)
    : document_(document), cursor_(&document) {
    // Outside an edit block every insertion lays out its paragraph again to
    // place the cursor, which makes long paragraphs cost their square.
    cursor_.beginEditBlock();
}

void RtfDocumentWriter::text(const QString& run, const QTextCharFormat& format, bool inTable) {
    if (run.isEmpty()) {
        return;
    }
    if (inTable) {
        currentParagraph().runs.push_back({run, format});
        return;
    }
    leaveTable();
    cursor_.insertText(run, format);
}

void RtfDocumentWriter::paragraph(const QTextBlockFormat& format, bool inTable) {
    if (inTable) {
        Paragraph& ended = currentParagraph();
        ended.format = format;
        table_->rows.back().cells.back().paragraphs.emplace_back();
        return;
    }
    leaveTable();
    cursor_.setBlockFormat(format);
    cursor_.insertBlock(format);
}

void RtfDocumentWriter::defineRow() {
    boundaries_.clear();
}

void RtfDocumentWriter::cellBoundary(int twips) {
    if (static_cast<int>(boundaries_.size()) < RtfReader::MaxTableColumns) {
        boundaries_.push_back(twips);
    }
}

void RtfDocumentWriter::endCell(const QTextBlockFormat& format) {
    currentParagraph().format = format;
    if (column_ + 1 < RtfReader::MaxTableColumns) {
        ++column_;
    } else {
        // A row wider than a table may be: its further cells share the last
        // one, kept apart by a blank.
        currentParagraph().runs.push_back({QStringLiteral(" "), QTextCharFormat()});
    }
}

void RtfDocumentWriter::endRow() {
    if (!table_) {
        return;
    }
    rowEnded_ = true;
    column_ = 0;
}

void RtfDocumentWriter::finish(const QTextBlockFormat& format, bool inTable) {
    if (table_ && inTable) {
        currentParagraph().format = format;
    }
    if (!table_) {
        cursor_.setBlockFormat(format);
    }
    leaveTable();
    // A document that ends with a paragraph mark leaves an empty last block.
    if (cursor_.block().length() == 1 && cursor_.block().previous().isValid()) {
        QTextCursor previous = cursor_;
        previous.movePosition(QTextCursor::PreviousCharacter);
        if (previous.currentTable() == nullptr &&
            previous.currentFrame() == cursor_.currentFrame()) {
            cursor_.deletePreviousChar();
        }
    }
    cursor_.endEditBlock();
}

RtfDocumentWriter::Paragraph& RtfDocumentWriter::currentParagraph() {
    if (!table_) {
        table_.emplace();
        table_->boundaries = boundaries_;
        table_->rows.emplace_back();
        column_ = 0;
        rowEnded_ = false;
    } else if (rowEnded_) {
        table_->rows.emplace_back();
        rowEnded_ = false;
    }
    std::vector<Cell>& cells = table_->rows.back().cells;
    while (static_cast<int>(cells.size()) <= column_) {
        cells.emplace_back();
    }
    return cells[column_].paragraphs.back();
}

void RtfDocumentWriter::leaveTable() {
    if (!table_) {
        return;
    }
    const Table table = std::move(*table_);
    table_.reset();
    column_ = 0;
    rowEnded_ = false;
    if (tablesMade_ < MaxTables) {
        ++tablesMade_;
        insertTable(table);
    } else {
        insertTableAsText(table);
    }
    cursor_.movePosition(QTextCursor::End);
}

void RtfDocumentWriter::insertTable(const Table& table) {
    int columns = 1;
    for (const Row& row : table.rows) {
        columns = std::max(columns, static_cast<int>(row.cells.size()));
    }
    const int rows = static_cast<int>(table.rows.size());

    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    if (static_cast<int>(table.boundaries.size()) == columns) {
        QList<QTextLength> widths;
        int left = 0;
        for (int right : table.boundaries) {
            widths.append(
                QTextLength(QTextLength::FixedLength, std::max(right - left, 1) / TwipsPerPixel));
            left = std::max(left, right);
        }
        format.setColumnWidthConstraints(widths);
    }
    QTextTable* created = cursor_.insertTable(rows, columns, format);

    // Every cell's place is taken while the table is new; the cells are then
    // filled from the last to the first, so no filling moves a place still
    // to be used and the table need not be measured again.
    std::vector<int> places;
    places.reserve(static_cast<std::size_t>(rows) * columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            places.push_back(created->cellAt(r, c).firstCursorPosition().position());
        }
    }
    QTextCursor filler(&document_);
    for (int r = rows - 1; r >= 0; --r) {
        const std::vector<Cell>& cells = table.rows[r].cells;
        for (int c = static_cast<int>(cells.size()) - 1; c >= 0; --c) {
            filler.setPosition(places[static_cast<std::size_t>(r) * columns + c]);
            const std::vector<Paragraph>& paragraphs = cells[c].paragraphs;
            for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                if (p == 0) {
                    filler.setBlockFormat(paragraphs[p].format);
                } else {
                    filler.insertBlock(paragraphs[p].format);
                }
                insertParagraphContent(filler, paragraphs[p]);
            }
        }
    }
}

void RtfDocumentWriter::insertTableAsText(const Table& table) {
    for (const Row& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (c > 0) {
                cursor_.insertText(QStringLiteral("\t"));
            }
            const std::vector<Paragraph>& paragraphs = row.cells[c].paragraphs;
            for (std::size_t p = 0; p < paragraphs.size(); ++p) {
                if (p > 0) {
                    cursor_.insertText(QString(QChar::LineSeparator));
                }
                insertParagraphContent(cursor_, paragraphs[p]);
            }
        }
        cursor_.insertBlock();
    }
}

void RtfDocumentWriter::insertParagraphContent(QTextCursor& cursor, const Paragraph& paragraph) {
    for (const Run& run : paragraph.runs) {
        cursor.insertText(run.text, run.format);
    }
}

} // namespace lexora::richtext
