// The help-button check box of the TextHelp page.
#include "controls/texthelp/TextHelpPage.h"

#include "controls/texthelp/TextHelp.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace Dravik {

TextHelpSpecial::TextHelpSpecial(QWidget* parent)
    : PropertyPage(QStringLiteral("Special"), parent),
      chkWithHelpButton_(new QCheckBox(QStringLiteral("With Help Button"), this)) {
    setObjectName(QStringLiteral("TextHelpSpecial"));
    chkWithHelpButton_->setObjectName(QStringLiteral("chkWithHelpButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkWithHelpButton_);
    layout->addStretch(1);
    connect(chkWithHelpButton_, &QCheckBox::clicked, this, [this] { markChanged(); });
}

void TextHelpSpecial::SelectionChanged() {
    if (auto* control = qobject_cast<TextHelp*>(SelectedControls().first())) {
        chkWithHelpButton_->setChecked(control->WithHelpButton());
    }
}

void TextHelpSpecial::ApplyChanges() {
    for (QWidget* selected : SelectedControls()) {
        if (auto* control = qobject_cast<TextHelp*>(selected)) {
            control->setWithHelpButton(chkWithHelpButton_->isChecked());
        }
    }
}

} // namespace Dravik
