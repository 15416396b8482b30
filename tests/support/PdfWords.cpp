#include "tests/support/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace testsupport {

bool PdfWords::contains(const QString& text) const {
    for (const PdfWord& word : words) {
        if (word.text == text)
            return true;
    }
    return false;
}

PdfWords readPdfWords(const QString& path) {
    // Some fixtures narrow the PATH to fake programs: look in the system's folders.
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("pdftotext"),
        {QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/local/bin")});
    QProcess process;
    process.start(program, {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());

    static const QRegularExpression pageOrWord(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
                       R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfWords pdf;
    for (const QRegularExpressionMatch& m : pageOrWord.globalMatch(xhtml)) {
        if (!m.captured(1).isEmpty()) {
            pdf.pages.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
            continue;
        }
        PdfWord word;
        word.text = QTextDocumentFragment::fromHtml(m.captured(7)).toPlainText();
        word.page = static_cast<int>(pdf.pages.size()) - 1;
        word.box = QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                          QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()));
        pdf.words.append(word);
    }
    return pdf;
}

QString wordsOutsideHeights(const PdfWords& pdf, double low, double high) {
    QString report;
    for (const PdfWord& word : pdf.words) {
        const double height = word.box.height();
        if (height < low || height > high)
            report += QStringLiteral("%1 (%2 pt) ").arg(word.text).arg(height, 0, 'f', 1);
    }
    return report;
}

} // namespace testsupport
