// The page of EVScroll: Value, Max, Min, SmallChange, LargeChange and
// Enabled. Applying writes SmallChange, LargeChange, Min, Max, Value and
// Enabled, in that order, through the setters of every selected control.
#pragma once

#include "DravikExport.h"
#include "PropertyPage.h"

class QCheckBox;
class QLineEdit;

namespace Dravik {

class DRAVIK_EXPORT EVScrollProperties final : public PropertyPage {
    Q_OBJECT
public:
    explicit EVScrollProperties(QWidget* parent = nullptr);

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* txtValue_;
    QLineEdit* txtMax_;
    QLineEdit* txtMin_;
    QLineEdit* txtSmallChange_;
    QLineEdit* txtLargeChange_;
    QCheckBox* chkEnabled_;
};

} // namespace Dravik
