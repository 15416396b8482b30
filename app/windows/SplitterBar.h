// A splitter bar of the main window (picDrag, picDrag2): a thin strip that
// reports how far the pointer has moved, with the left button held, from
// where the bar was grabbed. The window decides whether the move is allowed
// and moves the bar itself.
#pragma once

#include <QWidget>

namespace lexora::windows {

class SplitterBar final : public QWidget {
    Q_OBJECT
public:
    SplitterBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    Qt::Orientation orientation() const { return m_orientation; }

signals:
    // Offset along the bar's direction of movement, in pixels: x for the
    // vertical bar, y for the horizontal one.
    void MouseMove(int offset);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation m_orientation;
    int m_grab = 0;
};

} // namespace lexora::windows
