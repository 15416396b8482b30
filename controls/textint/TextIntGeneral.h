// The "General" page of TextInt: CausesValidation, Value, Locked,
// FormatMask, OutOfLimitsMsg, Maximum, Minimum and Enabled, loaded from the
// first selected control and applied, in that order, to every selected one.
#pragma once

#include "DravikExport.h"
#include "PropertyPage.h"

class QCheckBox;
class QLineEdit;

namespace Dravik {

class DRAVIK_EXPORT TextIntGeneral final : public PropertyPage {
    Q_OBJECT
public:
    explicit TextIntGeneral(QWidget* parent = nullptr);

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QCheckBox* chkCausesValidation_;
    QLineEdit* txtValue_;
    QCheckBox* chkLocked_;
    QLineEdit* txtFormatMask_;
    QLineEdit* txtOutOfLimitsMsg_;
    QLineEdit* txtMaximum_;
    QLineEdit* txtMinimum_;
    QCheckBox* chkEnabled_;
};

} // namespace Dravik
