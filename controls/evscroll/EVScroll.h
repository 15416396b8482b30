// Dravik.EVScroll: a vertical scroll bar built from buttons. The top arrow
// lowers Value by SmallChange, the bottom arrow raises it, a click in the
// track above or below the thumb pages by LargeChange, and the thumb can be
// dragged. Min is at the top, Max at the bottom. A Value set outside
// [Min, Max] is kept and disables the control (track disabled, thumb hidden,
// both arrows disabled) until a value or limit inside the range brings it
// back.
#pragma once

#include "DravikExport.h"
#include "UserControl.h"

class QToolButton;
class QPushButton;

namespace Dravik {

class DRAVIK_EXPORT EVScroll : public UserControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Dravik.EVScroll")
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setControlEnabled)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE setLargeChange)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE setSmallChange)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
public:
    static constexpr const char* ClassName = "Dravik.EVScroll";

    explicit EVScroll(QWidget* parent = nullptr);

    int Value() const { return m_value; }
    void setValue(int value);
    // The track's enabled state.
    bool Enabled() const { return m_enabled; }
    void setControlEnabled(bool enabled);
    int LargeChange() const { return m_largeChange; }
    void setLargeChange(int change);
    int SmallChange() const { return m_smallChange; }
    void setSmallChange(int change);
    int Min() const { return m_min; }
    void setMin(int min);
    int Max() const { return m_max; }
    void setMax(int max);

    // The thumb's height for a track: trackHeight / (max - min + 1), or 0 when
    // max < min.
    static double ThumbHeight(double trackHeight, int min, int max);
    // The shown thumb never gets thinner than this, so that it can be grabbed.
    static constexpr int MinimumThumbHeight = 8;

    // The pages that edit the control.
    QList<PropertyPage*> CreatePropertyPages(QWidget* parent) const override;

    QSize sizeHint() const override;

signals:
    // After a value change through Value (after Scroll), and when a drag ends.
    void Change();
    // For every value change through Value and every new value while dragging.
    void Scroll();

protected:
    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) override;

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyEnabled(bool enabled);
    enum class LimitMoved { Min, Max };
    void limitsChanged(LimitMoved moved);
    void applyArrowRule();
    void sizeMovingBar();
    void positionMovingBar();
    // Value moved by delta through the setter, when the step stays within the
    // 32-bit range and passes the step's bound.
    void step(qint64 delta, bool towardsMax);
    void dragTo(int controlY);
    int trackHeight() const;

    QToolButton* cmdNavigateTop_;
    QWidget* picBoddy_;
    QPushButton* cmdMovingBar_;
    QToolButton* cmdNavigateBottom_;
    int m_arrowHeight;
    int m_value = 1;
    int m_min = 0;
    int m_max = 32767;
    int m_smallChange = 1;
    int m_largeChange = 1;
    bool m_enabled = true;
    bool m_dragging = false;
};

} // namespace Dravik
