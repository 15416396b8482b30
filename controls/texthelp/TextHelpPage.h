// The "Special" page of TextHelp: whether the help button is shown.
#pragma once

#include "DravikExport.h"
#include "PropertyPage.h"

class QCheckBox;

namespace Dravik {

class DRAVIK_EXPORT TextHelpSpecial final : public PropertyPage {
    Q_OBJECT
public:
    explicit TextHelpSpecial(QWidget* parent = nullptr);

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QCheckBox* chkWithHelpButton_;
};

} // namespace Dravik
