// Fields of the TextInt page and their load and apply order.
#include "controls/textint/TextIntGeneral.h"

#include "controls/textint/TextInt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Dravik {

namespace {

QLineEdit* field(QWidget* page, const char* name) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QCheckBox* check(QWidget* page, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), page);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

TextIntGeneral::TextIntGeneral(QWidget* parent)
    : PropertyPage(QStringLiteral("General"), parent),
      chkCausesValidation_(check(this, "chkCausesValidation", "CausesValidation")),
      txtValue_(field(this, "txtValue")), chkLocked_(check(this, "chkLocked", "Locked")),
      txtFormatMask_(field(this, "txtFormatMask")),
      txtOutOfLimitsMsg_(field(this, "txtOutOfLimitsMsg")), txtMaximum_(field(this, "txtMaximum")),
      txtMinimum_(field(this, "txtMinimum")), chkEnabled_(check(this, "chkEnabled", "Enabled")) {
    setObjectName(QStringLiteral("TextIntGeneral"));
    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(chkCausesValidation_, row++, 0, 1, 2);
    const auto addField = [&](const char* caption, QLineEdit* edit) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row++, 1);
    };
    addField("Value:", txtValue_);
    layout->addWidget(chkLocked_, row++, 0, 1, 2);
    addField("FormatMask:", txtFormatMask_);
    addField("OutOfLimitsMsg:", txtOutOfLimitsMsg_);
    addField("Maximum:", txtMaximum_);
    addField("Minimum:", txtMinimum_);
    layout->addWidget(chkEnabled_, row++, 0, 1, 2);
    auto* note = new QLabel(QStringLiteral("Note: Use Min > Max to disable limits"), this);
    note->setObjectName(QStringLiteral("lblNote"));
    layout->addWidget(note, row++, 0, 1, 2);
    layout->setRowStretch(row, 1);

    for (QCheckBox* box : {chkCausesValidation_, chkLocked_, chkEnabled_}) {
        connect(box, &QCheckBox::clicked, this, [this] { markChanged(); });
    }
    for (QLineEdit* edit :
         {txtValue_, txtFormatMask_, txtOutOfLimitsMsg_, txtMaximum_, txtMinimum_}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { markChanged(); });
    }
}

void TextIntGeneral::SelectionChanged() {
    auto* control = qobject_cast<TextInt*>(SelectedControls().first());
    if (control == nullptr) {
        return;
    }
    chkCausesValidation_->setChecked(control->CausesValidation());
    txtValue_->setText(control->Value().toString());
    chkLocked_->setChecked(control->Locked());
    txtFormatMask_->setText(control->FormatMask());
    txtOutOfLimitsMsg_->setText(control->OutOfLimitsMsg());
    txtMaximum_->setText(QString::number(control->Maximum()));
    txtMinimum_->setText(QString::number(control->Minimum()));
    chkEnabled_->setChecked(control->Enabled());
}

void TextIntGeneral::ApplyChanges() {
    // The limits are read before anything is written, so that a text that is
    // no number leaves every control as it was.
    const int maximum = integerFromText(txtMaximum_->text());
    const int minimum = integerFromText(txtMinimum_->text());
    for (QWidget* selected : SelectedControls()) {
        auto* control = qobject_cast<TextInt*>(selected);
        if (control == nullptr) {
            continue;
        }
        control->setCausesValidation(chkCausesValidation_->isChecked());
        control->setValue(txtValue_->text());
        control->setLocked(chkLocked_->isChecked());
        if (control->FormatMask() != txtFormatMask_->text()) {
            control->setFormatMask(txtFormatMask_->text());
        }
        control->setOutOfLimitsMsg(txtOutOfLimitsMsg_->text());
        control->setMaximum(maximum);
        control->setMinimum(minimum);
        control->setControlEnabled(chkEnabled_->isChecked());
    }
}

} // namespace Dravik
