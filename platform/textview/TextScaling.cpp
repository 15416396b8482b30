// Formats are changed fragment by fragment through one edit block, so that the
// layout is redone once. A picture without a stated size gets its natural size
// times the factor, taken from the document's resource.
#include "platform/textview/TextScaling.h"

#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace lexora::textview {

namespace {

QSizeF naturalSize(QTextDocument& document, const QTextImageFormat& image) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(image.name()));
    if (resource.canConvert<QImage>()) {
        const QImage picture = resource.value<QImage>();
        if (!picture.isNull())
            return picture.size();
    }
    if (resource.canConvert<QPixmap>())
        return resource.value<QPixmap>().size();
    return {};
}

// The format to merge into a fragment, or nothing when it states no size.
std::optional<QTextCharFormat> scaled(QTextDocument& document, const QTextCharFormat& format,
                                      double factor) {
    QTextCharFormat change;
    bool changed = false;
    if (format.hasProperty(QTextFormat::FontPixelSize) &&
        format.intProperty(QTextFormat::FontPixelSize) > 0) {
        change.setProperty(
            QTextFormat::FontPixelSize,
            std::max(1, static_cast<int>(
                            std::lround(format.intProperty(QTextFormat::FontPixelSize) * factor))));
        changed = true;
    } else if (format.hasProperty(QTextFormat::FontPointSize) &&
               format.doubleProperty(QTextFormat::FontPointSize) > 0) {
        change.setFontPointSize(format.doubleProperty(QTextFormat::FontPointSize) * factor);
        changed = true;
    }
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        QSizeF size(image.width(), image.height());
        const QSizeF natural = naturalSize(document, image);
        if (size.width() <= 0 && size.height() <= 0) {
            size = natural;
        } else if (size.width() <= 0 && natural.height() > 0) {
            size.setWidth(natural.width() * size.height() / natural.height());
        } else if (size.height() <= 0 && natural.width() > 0) {
            size.setHeight(natural.height() * size.width() / natural.width());
        }
        if (size.width() > 0 && size.height() > 0) {
            QTextImageFormat imageChange;
            imageChange.setWidth(size.width() * factor);
            imageChange.setHeight(size.height() * factor);
            change.merge(imageChange);
            changed = true;
        }
    }
    if (!changed)
        return std::nullopt;
    return change;
}

} // namespace

void scaleTextSizes(QTextDocument& document, double factor) {
    if (factor <= 0 || std::abs(factor - 1.0) < 1e-9)
        return;
    // Collect first: changing formats while walking would split the fragments
    // being walked.
    struct Change {
        int position;
        int length;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            if (auto change = scaled(document, fragment.charFormat(), factor))
                changes.push_back({fragment.position(), fragment.length(), *change});
        }
    }
    if (changes.empty())
        return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Change& change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(change.format);
    }
    cursor.endEditBlock();
}

} // namespace lexora::textview
