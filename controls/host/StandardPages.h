// The host's standard pages: the font page edits the "Font" property and the
// colour page the colour properties of the selected controls.
#pragma once

#include "DravikExport.h"
#include "PropertyPage.h"

#include <QColor>
#include <QFont>
#include <QMap>

class QColorDialog;
class QComboBox;
class QFontDialog;

namespace Dravik {

class DRAVIK_EXPORT StandardFontPage final : public PropertyPage {
    Q_OBJECT
public:
    explicit StandardFontPage(QWidget* parent = nullptr);

    QFont currentFont() const;
    void setCurrentFont(const QFont& font);

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QFontDialog* m_chooser;
    bool m_loading = false;
};

class DRAVIK_EXPORT StandardColorPage final : public PropertyPage {
    Q_OBJECT
public:
    explicit StandardColorPage(QWidget* parent = nullptr);

    // The colour property being edited (one of the first control's colour
    // properties) and its colour on the page.
    QString currentProperty() const;
    void setCurrentProperty(const QString& name);
    QColor currentColor() const;
    void setCurrentColor(const QColor& colour);

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QComboBox* m_properties;
    QColorDialog* m_chooser;
    QMap<QString, QColor> m_colours; // the page's colour for each property
    QMap<QString, bool> m_edited;
    bool m_loading = false;
};

} // namespace Dravik
