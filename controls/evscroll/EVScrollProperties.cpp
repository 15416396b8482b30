// Fields of the EVScroll page and their load and apply order.
#include "controls/evscroll/EVScrollProperties.h"

#include "controls/evscroll/EVScroll.h"
#include "controls/textint/DravikCode.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>

namespace Dravik {

EVScrollProperties::EVScrollProperties(QWidget* parent)
    : PropertyPage(QStringLiteral("EVScrollProperties"), parent), txtValue_(new QLineEdit(this)),
      txtMax_(new QLineEdit(this)), txtMin_(new QLineEdit(this)),
      txtSmallChange_(new QLineEdit(this)), txtLargeChange_(new QLineEdit(this)),
      chkEnabled_(new QCheckBox(QStringLiteral("Enabled"), this)) {
    setObjectName(QStringLiteral("EVScrollProperties"));
    txtValue_->setObjectName(QStringLiteral("txtValue"));
    txtMax_->setObjectName(QStringLiteral("txtMax"));
    txtMin_->setObjectName(QStringLiteral("txtMin"));
    txtSmallChange_->setObjectName(QStringLiteral("txtSmallChange"));
    txtLargeChange_->setObjectName(QStringLiteral("txtLargeChange"));
    chkEnabled_->setObjectName(QStringLiteral("chkEnabled"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Value:"), txtValue_);
    layout->addRow(QStringLiteral("Max:"), txtMax_);
    layout->addRow(QStringLiteral("Min:"), txtMin_);
    layout->addRow(QStringLiteral("SmallChange:"), txtSmallChange_);
    layout->addRow(QStringLiteral("LargeChange:"), txtLargeChange_);
    layout->addRow(chkEnabled_);
    for (QLineEdit* edit : {txtValue_, txtMax_, txtMin_, txtSmallChange_, txtLargeChange_}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { markChanged(); });
    }
    connect(chkEnabled_, &QCheckBox::clicked, this, [this] { markChanged(); });
    chkEnabled_->installEventFilter(this);
}

bool EVScrollProperties::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chkEnabled_ && event->type() == QEvent::KeyPress) {
        markChanged();
    }
    return PropertyPage::eventFilter(watched, event);
}

void EVScrollProperties::SelectionChanged() {
    auto* control = qobject_cast<EVScroll*>(SelectedControls().first());
    if (control == nullptr) {
        return;
    }
    txtValue_->setText(QString::number(control->Value()));
    txtMax_->setText(QString::number(control->Max()));
    txtMin_->setText(QString::number(control->Min()));
    txtSmallChange_->setText(QString::number(control->SmallChange()));
    txtLargeChange_->setText(QString::number(control->LargeChange()));
    chkEnabled_->setChecked(control->Enabled());
}

void EVScrollProperties::ApplyChanges() {
    // Every number is read before anything is written, so that a value beyond
    // the 32-bit range leaves the controls as they were.
    const int smallChange = integerFromNumber(NumericValue(txtSmallChange_->text()));
    const int largeChange = integerFromNumber(NumericValue(txtLargeChange_->text()));
    const int min = integerFromNumber(NumericValue(txtMin_->text()));
    const int max = integerFromNumber(NumericValue(txtMax_->text()));
    const int value = integerFromNumber(NumericValue(txtValue_->text()));
    for (QWidget* selected : SelectedControls()) {
        if (auto* control = qobject_cast<EVScroll*>(selected)) {
            control->setSmallChange(smallChange);
            control->setLargeChange(largeChange);
            control->setMin(min);
            control->setMax(max);
            control->setValue(value);
            control->setControlEnabled(chkEnabled_->isChecked());
        }
    }
}

} // namespace Dravik
