// Tabs of property pages with OK, Cancel and Apply.
#include "controls/host/PropertyPagesDialog.h"

#include "controls/host/PropertyPage.h"
#include "controls/host/UserControl.h"
#include "routines/MessagePresenter.h"
#include "routines/RoutineError.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Dravik {

PropertyPagesDialog::PropertyPagesDialog(const QList<QWidget*>& controls, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
    setObjectName(QStringLiteral("PropertyPagesDialog"));
    m_tabs->setObjectName(QStringLiteral("tabPages"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);

    QWidget* first = controls.isEmpty() ? nullptr : controls.first();
    const QString name = first == nullptr ? QString()
                         : first->objectName().isEmpty()
                             ? QString::fromLatin1(first->metaObject()->className())
                             : first->objectName();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Properties")
                                  : name + QStringLiteral(" Properties"));

    if (auto* control = qobject_cast<UserControl*>(first)) {
        m_pages = control->CreatePropertyPages(m_tabs);
    }
    for (PropertyPage* page : m_pages) {
        m_tabs->addTab(page, page->Caption());
        page->setSelectedControls(controls);
        connect(page, &PropertyPage::ChangedChanged, this, &PropertyPagesDialog::updateApply);
    }
    if (m_pages.isEmpty()) {
        m_tabs->addTab(new QLabel(QStringLiteral("No property pages"), m_tabs),
                       QStringLiteral("-"));
    }
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PropertyPagesDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &PropertyPagesDialog::reject);
    connect(applyButton(), &QPushButton::clicked, this, &PropertyPagesDialog::applyChanges);
    updateApply();
}

QPushButton* PropertyPagesDialog::applyButton() const {
    return m_buttons->button(QDialogButtonBox::Apply);
}

QPushButton* PropertyPagesDialog::okButton() const {
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* PropertyPagesDialog::cancelButton() const {
    return m_buttons->button(QDialogButtonBox::Cancel);
}

void PropertyPagesDialog::updateApply() {
    bool changed = false;
    for (const PropertyPage* page : m_pages) {
        changed = changed || page->Changed();
    }
    applyButton()->setEnabled(changed);
}

bool PropertyPagesDialog::applyChanges() {
    for (PropertyPage* page : m_pages) {
        if (!page->Changed()) {
            continue;
        }
        try {
            page->Apply();
        } catch (const dvRtns4::RoutineError& error) {
            m_tabs->setCurrentWidget(page);
            dvRtns4::messagePresenter().show(
                {dvRtns4::MsgIcon::Critical, QStringLiteral("Dravik"),
                 QStringLiteral("%1: %2").arg(error.number()).arg(error.description()),
                 dvRtns4::MsgButtons::OkOnly});
            updateApply();
            return false;
        }
    }
    updateApply();
    return true;
}

void PropertyPagesDialog::accept() {
    if (applyChanges()) {
        QDialog::accept();
    }
}

} // namespace Dravik
