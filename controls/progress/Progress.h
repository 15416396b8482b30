// Dravik.Progress: a horizontal bar that fills from the left with the
// percentage written in its middle. Where the bar covers the text the letters
// are white on dark blue, elsewhere dark blue on white. The control keeps no
// values and no persisted properties: what it shows is what the last
// UpdateStatus call drew on its surface.
#pragma once

#include "DravikExport.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace Dravik {

class StatusSurface;

class DRAVIK_EXPORT Progress : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Dravik.Progress")
public:
    static constexpr const char* ClassName = "Dravik.Progress";
    static const QColor BarColour;        // dark blue, 0x800000 as BGR
    static const QColor BackgroundColour; // white

    explicit Progress(QWidget* parent = nullptr);

    // Repaints the surface for the fraction done (0.0 nothing, 1.0 all) and
    // lets pending window events run before it returns. Without fBorderCase
    // the text never reads 0% or 100%. A fraction whose percentage does not
    // fit a 16-bit integer (about 327.7 or more either way, or NaN) throws
    // std::overflow_error after the surface has been cleared.
    Q_INVOKABLE void UpdateStatus(float sngPercent, bool fBorderCase = false);

    // The percentage that UpdateStatus writes for these arguments; throws
    // std::overflow_error as UpdateStatus does.
    static qint16 ShownPercent(float sngPercent, bool fBorderCase = false);

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusSurface* picStatus_;
};

} // namespace Dravik
