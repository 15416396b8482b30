// Fields for the control's own properties, built from its meta-object.
#include "controls/gallery/PropertyPanel.h"

#include "routines/MessagePresenter.h"
#include "routines/RoutineError.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QSpinBox>

#include <limits>

PropertyPanel::PropertyPanel(QWidget* control, QWidget* parent)
    : QWidget(parent), m_control(control), m_form(new QFormLayout(this)) {
    const QMetaObject* meta = control->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const char* name = property.name();
        const QString label = QString::fromLatin1(name) + QLatin1Char(':');
        const int type = property.metaType().id();
        if (!property.isWritable()) {
            auto* shown = new QLabel(this);
            m_form->addRow(label, shown);
            m_readers.push_back([this, shown, property] {
                const QVariant value = property.read(m_control);
                shown->setText(value.canConvert<QString>() ? value.toString()
                                                           : QStringLiteral("(object)"));
            });
        } else if (type == QMetaType::Bool) {
            auto* box = new QCheckBox(this);
            m_form->addRow(label, box);
            connect(box, &QCheckBox::clicked, this, [this, name](bool on) { write(name, on); });
            m_readers.push_back(
                [this, box, property] { box->setChecked(property.read(m_control).toBool()); });
        } else if (type == QMetaType::Int) {
            auto* spin = new QSpinBox(this);
            spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
            spin->setKeyboardTracking(false);
            m_form->addRow(label, spin);
            connect(spin, &QSpinBox::valueChanged, this, [this, name](int v) { write(name, v); });
            m_readers.push_back(
                [this, spin, property] { spin->setValue(property.read(m_control).toInt()); });
        } else if (type == QMetaType::QColor || type == QMetaType::QFont) {
            auto* button = new QPushButton(this);
            m_form->addRow(label, button);
            const bool colour = type == QMetaType::QColor;
            connect(button, &QPushButton::clicked, this, [this, name, colour, property] {
                const QVariant now = property.read(m_control);
                if (colour) {
                    const QColor chosen = QColorDialog::getColor(now.value<QColor>(), this);
                    if (chosen.isValid()) {
                        write(name, chosen);
                    }
                } else {
                    bool ok = false;
                    const QFont chosen = QFontDialog::getFont(&ok, now.value<QFont>(), this);
                    if (ok) {
                        write(name, chosen);
                    }
                }
            });
            m_readers.push_back([this, button, colour, property] {
                const QVariant now = property.read(m_control);
                button->setText(colour ? now.value<QColor>().name()
                                       : now.value<QFont>().family() + QStringLiteral(", ") +
                                             QString::number(now.value<QFont>().pointSize()));
            });
        } else {
            auto* edit = new QLineEdit(this);
            m_form->addRow(label, edit);
            connect(edit, &QLineEdit::editingFinished, this, [this, edit, name] {
                if (edit->isModified()) {
                    edit->setModified(false);
                    write(name, edit->text());
                }
            });
            m_readers.push_back([this, edit, property] {
                if (!edit->hasFocus()) {
                    edit->setText(property.read(m_control).toString());
                }
            });
        }
    }
    refresh();
}

void PropertyPanel::refresh() {
    m_refreshing = true;
    for (const auto& read : m_readers) {
        read();
    }
    m_refreshing = false;
}

void PropertyPanel::write(const char* name, const QVariant& value) {
    if (m_refreshing) {
        return;
    }
    try {
        m_control->setProperty(name, value);
    } catch (const dvRtns4::RoutineError& error) {
        dvRtns4::messagePresenter().show(
            {dvRtns4::MsgIcon::Critical, QStringLiteral("Dravik"),
             QStringLiteral("%1: %2").arg(error.number()).arg(error.description()),
             dvRtns4::MsgButtons::OkOnly});
    }
    refresh();
}
