// The drawing surface of the progress bar (object name "picStatus"): a
// persistent picture with a foreground and background colour, a pen raster
// operation, a current text position and a font. Setting the background colour
// clears the picture; what is drawn stays until then, also across resizes.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QWidget>

namespace Dravik {

class StatusSurface final : public QWidget {
    Q_OBJECT
public:
    // Pen raster operations, numbered as the host numbers its drawing modes.
    enum class DrawMode { NotXorPen = 10, CopyPen = 13 };

    explicit StatusSurface(QWidget* parent = nullptr);

    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& colour) { foreColor_ = colour; }
    QColor BackColor() const { return backColor_; }
    // Clears the whole picture to colour.
    void setBackColor(const QColor& colour);

    DrawMode drawMode() const { return drawMode_; }
    void setDrawMode(DrawMode mode) { drawMode_ = mode; }

    void setCurrentPosition(int x, int y);
    int CurrentX() const { return currentX_; }
    int CurrentY() const { return currentY_; }

    // Extent of text in the surface's font, in pixels (unrounded).
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;

    // A filled box with corners (x1, y1) and (x2, y2) in the current drawing
    // mode. The box is clipped to the picture; a box thinner than a pixel still
    // covers one.
    void fillBox(double x1, double y1, double x2, double y2, const QColor& colour);

    // Draws text with its top-left corner at the current position in the
    // foreground colour and the current drawing mode, background transparent.
    void print(const QString& text);

    const QImage& picture() const { return picture_; }

    // Matches the picture to the surface's size, keeping what was drawn; the
    // new area shows the background. Runs on every resize and before drawing,
    // so that a surface resized while hidden draws at its new size.
    void fitPicture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    QColor foreColor_{Qt::black};
    QColor backColor_{Qt::white};
    DrawMode drawMode_ = DrawMode::CopyPen;
    int currentX_ = 0;
    int currentY_ = 0;
};

} // namespace Dravik
