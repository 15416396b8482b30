// Zoom of a text view: Ctrl++ (or Ctrl+=), Ctrl+- and Ctrl+0 while the focus
// is inside the host widget, and the wheel with Ctrl held over the text. The
// zoom goes by steps from 50 % to 300 %; 100 % shows the document's own sizes.
// How the view applies a zoom is the host's: it is handed the factor.
#pragma once

#include <QObject>

#include <functional>

class QTextEdit;
class QWidget;

namespace lexora::textview {

class TextZoom : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(double factor)>;

    TextZoom(QTextEdit* target, QWidget* host, Apply apply);

    int percent() const { return m_percent; }
    // Takes the nearest allowed value (50 to 300); applies it when it changed.
    void setPercent(int percent);
    void zoomIn();
    void zoomOut();
    void reset() { setPercent(100); }

    static constexpr int kMinimum = 50;
    static constexpr int kMaximum = 300;

signals:
    // After every change made by the reader or by setPercent.
    void zoomChanged(int percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTextEdit* m_target;
    Apply m_apply;
    int m_percent = 100;
    int m_wheelRest = 0;
};

} // namespace lexora::textview
