// Font and colour pages over Qt's font and colour choosers, shown inside the
// page rather than as dialogs of their own.
#include "controls/host/StandardPages.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMetaProperty>
#include <QVBoxLayout>

namespace Dravik {

namespace {

template <typename Chooser> void embed(Chooser* chooser) {
    chooser->setWindowFlags(Qt::Widget);
    chooser->setOptions(Chooser::NoButtons | Chooser::DontUseNativeDialog);
    chooser->setSizeGripEnabled(false);
    chooser->show();
}

} // namespace

StandardFontPage::StandardFontPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Font"), parent), m_chooser(new QFontDialog(this)) {
    setObjectName(QStringLiteral("StandardFont"));
    embed(m_chooser);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chooser);
    connect(m_chooser, &QFontDialog::currentFontChanged, this, [this] {
        if (!m_loading) {
            markChanged();
        }
    });
}

QFont StandardFontPage::currentFont() const {
    return m_chooser->currentFont();
}

void StandardFontPage::setCurrentFont(const QFont& font) {
    m_chooser->setCurrentFont(font);
}

void StandardFontPage::SelectionChanged() {
    const QVariant font = SelectedControls().first()->property("Font");
    m_loading = true;
    m_chooser->setCurrentFont(font.isValid() ? font.value<QFont>()
                                             : SelectedControls().first()->font());
    m_loading = false;
}

void StandardFontPage::ApplyChanges() {
    const QFont font = m_chooser->currentFont();
    for (QWidget* control : SelectedControls()) {
        if (control->metaObject()->indexOfProperty("Font") >= 0) {
            control->setProperty("Font", font);
        } else {
            control->setFont(font);
        }
    }
}

StandardColorPage::StandardColorPage(QWidget* parent)
    : PropertyPage(QStringLiteral("Color"), parent), m_properties(new QComboBox(this)),
      m_chooser(new QColorDialog(this)) {
    setObjectName(QStringLiteral("StandardColor"));
    m_properties->setObjectName(QStringLiteral("cboProperties"));
    embed(m_chooser);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    form->addRow(new QLabel(QStringLiteral("Property Name:"), this), m_properties);
    layout->addLayout(form);
    layout->addWidget(m_chooser);
    connect(m_properties, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        m_loading = true;
        m_chooser->setCurrentColor(m_colours.value(name));
        m_loading = false;
    });
    connect(m_chooser, &QColorDialog::currentColorChanged, this, [this](const QColor& colour) {
        if (m_loading || m_properties->currentText().isEmpty()) {
            return;
        }
        m_colours.insert(m_properties->currentText(), colour);
        m_edited.insert(m_properties->currentText(), true);
        markChanged();
    });
}

QString StandardColorPage::currentProperty() const {
    return m_properties->currentText();
}

void StandardColorPage::setCurrentProperty(const QString& name) {
    m_properties->setCurrentText(name);
}

QColor StandardColorPage::currentColor() const {
    return m_chooser->currentColor();
}

void StandardColorPage::setCurrentColor(const QColor& colour) {
    m_chooser->setCurrentColor(colour);
}

void StandardColorPage::SelectionChanged() {
    QWidget* first = SelectedControls().first();
    m_loading = true;
    m_colours.clear();
    m_edited.clear();
    m_properties->clear();
    const QMetaObject* meta = first->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.metaType() == QMetaType::fromType<QColor>() && property.isWritable()) {
            m_colours.insert(QString::fromLatin1(property.name()),
                             property.read(first).value<QColor>());
            m_properties->addItem(QString::fromLatin1(property.name()));
        }
    }
    m_chooser->setCurrentColor(m_colours.value(m_properties->currentText()));
    m_loading = false;
}

void StandardColorPage::ApplyChanges() {
    for (auto edited = m_edited.cbegin(); edited != m_edited.cend(); ++edited) {
        const QByteArray name = edited.key().toLatin1();
        for (QWidget* control : SelectedControls()) {
            if (control->metaObject()->indexOfProperty(name.constData()) >= 0) {
                control->setProperty(name.constData(), m_colours.value(edited.key()));
            }
        }
    }
    m_edited.clear();
}

} // namespace Dravik
