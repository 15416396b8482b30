// A property page: a panel that edits settings of the controls selected in a
// host. Selecting controls loads the page from the first of them and clears
// Changed; any edit sets Changed, which enables the host's Apply; applying
// writes the page's values to the selected controls.
#pragma once

#include "DravikExport.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace Dravik {

class DRAVIK_EXPORT PropertyPage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed WRITE setChanged NOTIFY ChangedChanged)
public:
    explicit PropertyPage(const QString& caption, QWidget* parent = nullptr);

    // The page's tab caption.
    QString Caption() const { return m_caption; }

    QList<QWidget*> SelectedControls() const;
    // Loads the page from the first control of the selection.
    void setSelectedControls(const QList<QWidget*>& controls);

    bool Changed() const { return m_changed; }
    void setChanged(bool changed);

    // Writes the page to the selected controls and clears Changed. An error of
    // a control's setter (dvRtns4::RoutineError) reaches the caller, and the
    // page stays changed.
    void Apply();

signals:
    void ChangedChanged(bool changed);

protected:
    // Fills the page from the selection (the first control).
    virtual void SelectionChanged() = 0;
    virtual void ApplyChanges() = 0;
    // Marks the page changed; for the edit signals of the page's fields.
    void markChanged() { setChanged(true); }

    // A 32-bit whole number for a property: a number in the locale's or plain
    // form, halves rounded to even. Throws dvRtns4::RoutineError 13 (type
    // mismatch) for a text that is no number and 6 (overflow) for one beyond
    // the 32-bit range.
    static int integerFromText(const QString& text);
    // The same for a number already read.
    static int integerFromNumber(double value);

private:
    QString m_caption;
    QList<QPointer<QWidget>> m_selected;
    bool m_changed = false;
};

} // namespace Dravik
