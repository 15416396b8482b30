// The property pages of a selection of controls as tabs, with OK, Cancel and
// Apply. Apply is enabled while a page has changes; OK applies them and
// closes. An error a control raises while a page applies is shown through
// the message presenter and keeps the dialog open on that page.
#pragma once

#include "DravikExport.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace Dravik {

class PropertyPage;

class DRAVIK_EXPORT PropertyPagesDialog : public QDialog {
    Q_OBJECT
public:
    // The pages are those of the first control (see UserControl's
    // CreatePropertyPages), loaded from it.
    explicit PropertyPagesDialog(const QList<QWidget*>& controls, QWidget* parent = nullptr);

    QList<PropertyPage*> pages() const { return m_pages; }
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* applyButton() const;
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

    // Applies every changed page; false when a control refused a value.
    bool applyChanges();

    void accept() override;

private:
    void updateApply();

    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    QList<PropertyPage*> m_pages;
};

} // namespace Dravik
