// The control library in Qt Designer: the four controls in the widget box
// under "Dravik", their properties in the property editor, and a
// "Properties…" entry in a control's context menu that opens its property
// pages. Controls that Designer creates are hosted in design mode.
#pragma once

#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QAction>
#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>

namespace Dravik {

// One control class as Designer sees it.
class DesignerControl final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using Create = std::function<QWidget*(QWidget*)>;
    DesignerControl(QString className, QString header, QString toolTip, Create create,
                    QObject* parent = nullptr);

    QString name() const override { return m_className; }
    QString group() const override { return QStringLiteral("Dravik"); }
    QString toolTip() const override { return m_toolTip; }
    QString whatsThis() const override { return m_toolTip; }
    QString includeFile() const override { return m_header; }
    QIcon icon() const override { return {}; }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QString m_className;
    QString m_header;
    QString m_toolTip;
    Create m_create;
    bool m_initialized = false;
};

class DesignerCollection final : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit DesignerCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return m_controls; }

private:
    QList<QDesignerCustomWidgetInterface*> m_controls;
};

// "Properties…" for a control on a form.
class PropertiesTaskMenu final : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
public:
    PropertiesTaskMenu(QWidget* control, QObject* parent);
    QAction* preferredEditAction() const override { return m_action; }
    QList<QAction*> taskActions() const override { return {m_action}; }

private:
    void showPages();

    QPointer<QWidget> m_control;
    QAction* m_action;
};

class PropertiesTaskMenuFactory final : public QExtensionFactory {
    Q_OBJECT
public:
    explicit PropertiesTaskMenuFactory(QExtensionManager* parent);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};

} // namespace Dravik
