// The output side of the RTF reader: puts runs of formatted text, paragraph
// ends and table cells and rows into a QTextDocument. A table is gathered
// row by row and put into the document in one piece when ordinary text
// follows it, so that its cost grows with its size, not with its square.
#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>
#include <vector>

class QTextDocument;

namespace lexora::richtext {

class RtfDocumentWriter {
public:
    // A document holding more tables than this shows further ones as text:
    // cells apart by tabs, one paragraph a row.
    static constexpr int MaxTables = 1000;

    explicit RtfDocumentWriter(QTextDocument& document);

    // Text of a paragraph that is (inTable) or is not part of a table row.
    void text(const QString& run, const QTextCharFormat& format, bool inTable);
    // Ends the current paragraph with the given paragraph format.
    void paragraph(const QTextBlockFormat& format, bool inTable);

    // \trowd: a new row definition; \cellxN: the right edge of its next cell.
    void defineRow();
    void cellBoundary(int twips);
    // \cell and \row.
    void endCell(const QTextBlockFormat& format);
    void endRow();

    // Puts out a table still open, applies the last paragraph's format and
    // drops a trailing empty paragraph. Called once, last.
    void finish(const QTextBlockFormat& format, bool inTable);

private:
    struct Run {
        QString text;
        QTextCharFormat format;
    };
    struct Paragraph {
        std::vector<Run> runs;
        QTextBlockFormat format;
    };
    struct Cell {
        std::vector<Paragraph> paragraphs{1};
    };
    struct Row {
        std::vector<Cell> cells;
    };
    struct Table {
        std::vector<Row> rows;
        std::vector<int> boundaries; // right cell edges of its first row, in twips
    };

    Paragraph& currentParagraph();
    void leaveTable();
    void insertTable(const Table& table);
    void insertTableAsText(const Table& table);
    static void insertParagraphContent(QTextCursor& cursor, const Paragraph& paragraph);

    QTextDocument& document_;
    QTextCursor cursor_;
    std::optional<Table> table_;
    int column_ = 0;
    bool rowEnded_ = false;
    int tablesMade_ = 0;
    std::vector<int> boundaries_; // of the current row definition
};

} // namespace lexora::richtext
