// Designer's view of the controls, and the property pages from a control's
// context menu with their changes passed through Designer's own property
// editing (so that they are saved in the form and can be undone).
#include "controls/designer/DravikDesignerPlugin.h"

#include "controls/evscroll/EVScroll.h"
#include "controls/host/ControlHost.h"
#include "controls/host/PropertyPagesDialog.h"
#include "controls/host/UserControl.h"
#include "controls/progress/Progress.h"
#include "controls/texthelp/TextHelp.h"
#include "controls/textint/TextInt.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

#include <QMetaProperty>

namespace Dravik {

namespace {

template <typename Control> QWidget* createHosted(QWidget* parent) {
    auto* control = new Control(parent);
    control->setHost(&ControlHost::designHost());
    control->InitNew();
    return control;
}

QString simpleName(const QString& className) {
    QString name = className.section(QStringLiteral("::"), -1);
    name[0] = name[0].toLower();
    return name;
}

} // namespace

DesignerControl::DesignerControl(QString className, QString header, QString toolTip, Create create,
                                 QObject* parent)
    : QObject(parent), m_className(std::move(className)), m_header(std::move(header)),
      m_toolTip(std::move(toolTip)), m_create(std::move(create)) {}

QWidget* DesignerControl::createWidget(QWidget* parent) {
    return m_create(parent);
}

void DesignerControl::initialize(QDesignerFormEditorInterface* core) {
    if (m_initialized) {
        return;
    }
    m_initialized = true;
    if (core == nullptr || core->extensionManager() == nullptr) {
        return;
    }
    // One task-menu factory serves every control; the first control that
    // Designer initialises registers it.
    QExtensionManager* manager = core->extensionManager();
    if (manager->findChild<PropertiesTaskMenuFactory*>() == nullptr) {
        manager->registerExtensions(new PropertiesTaskMenuFactory(manager),
                                    Q_TYPEID(QDesignerTaskMenuExtension));
    }
}

QString DesignerControl::domXml() const {
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>")
        .arg(m_className, simpleName(m_className));
}

DesignerCollection::DesignerCollection(QObject* parent) : QObject(parent) {
    m_controls = {
        new DesignerControl(
            QStringLiteral("Dravik::Progress"), QStringLiteral("Progress.h"),
            QStringLiteral("Progress bar with its percentage"),
            [](QWidget* parent) { return new Progress(parent); }, this),
        new DesignerControl(QStringLiteral("Dravik::TextInt"), QStringLiteral("TextInt.h"),
                            QStringLiteral("Integer input with a formatted display"),
                            &createHosted<TextInt>, this),
        new DesignerControl(QStringLiteral("Dravik::TextHelp"), QStringLiteral("TextHelp.h"),
                            QStringLiteral("Text box with a help button"), &createHosted<TextHelp>,
                            this),
        new DesignerControl(QStringLiteral("Dravik::EVScroll"), QStringLiteral("EVScroll.h"),
                            QStringLiteral("Vertical scroll bar"), &createHosted<EVScroll>, this),
    };
}

PropertiesTaskMenu::PropertiesTaskMenu(QWidget* control, QObject* parent)
    : QObject(parent), m_control(control),
      m_action(new QAction(QStringLiteral("Properties…"), this)) {
    connect(m_action, &QAction::triggered, this, &PropertiesTaskMenu::showPages);
}

void PropertiesTaskMenu::showPages() {
    if (!m_control) {
        return;
    }
    QWidget* control = m_control;
    // The pages write to the control itself; what they changed is then set
    // again through the form window, so that Designer records it.
    const QMetaObject* meta = control->metaObject();
    QList<QVariant> before;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        before.append(meta->property(i).read(control));
    }
    PropertyPagesDialog dialog({control}, control->window());
    dialog.exec();
    QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(control);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant now = property.read(control);
        if (now == before.at(i) || !property.isDesignable() || !property.isWritable()) {
            continue;
        }
        if (form != nullptr) {
            property.write(control, before.at(i));
            form->cursor()->setWidgetProperty(control, QString::fromLatin1(property.name()), now);
        }
    }
}

PropertiesTaskMenuFactory::PropertiesTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent) {}

QObject* PropertiesTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                    QObject* parent) const {
    auto* control = qobject_cast<UserControl*>(object);
    if (control == nullptr || iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension))) {
        return nullptr;
    }
    return new PropertiesTaskMenu(control, parent);
}

} // namespace Dravik
