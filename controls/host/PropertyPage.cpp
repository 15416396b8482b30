// Selection, changed state and applying of a property page.
#include "controls/host/PropertyPage.h"

#include "routines/RoutineError.h"

#include <QLocale>

#include <cmath>

namespace Dravik {

PropertyPage::PropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption) {}

QList<QWidget*> PropertyPage::SelectedControls() const {
    QList<QWidget*> controls;
    for (const auto& control : m_selected) {
        if (control) {
            controls.append(control);
        }
    }
    return controls;
}

void PropertyPage::setSelectedControls(const QList<QWidget*>& controls) {
    m_selected.clear();
    for (QWidget* control : controls) {
        m_selected.append(control);
    }
    if (!SelectedControls().isEmpty()) {
        SelectionChanged();
    }
    setChanged(false);
}

void PropertyPage::setChanged(bool changed) {
    if (changed != m_changed) {
        m_changed = changed;
        emit ChangedChanged(changed);
    }
}

int PropertyPage::integerFromNumber(double value) {
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw dvRtns4::RoutineError::overflow();
    }
    return static_cast<int>(rounded);
}

int PropertyPage::integerFromText(const QString& text) {
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok) {
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    }
    if (!ok) {
        throw dvRtns4::RoutineError(13, QStringLiteral("Type mismatch"));
    }
    return integerFromNumber(value);
}

void PropertyPage::Apply() {
    if (!SelectedControls().isEmpty()) {
        ApplyChanges();
    }
    setChanged(false);
}

} // namespace Dravik
