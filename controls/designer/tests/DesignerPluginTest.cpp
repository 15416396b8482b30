// The Designer plugin loads as Designer loads it, offers the four controls
// under "Dravik" and creates each one, the controls in design mode.
#include "controls/host/UserControl.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>

#include <gtest/gtest.h>

#include <memory>

TEST(DesignerPlugin, LoadsAndCreatesEveryControl) {
    QPluginLoader loader(QStringLiteral(DRAVIK_DESIGNER_PLUGIN));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    ASSERT_NE(collection, nullptr);

    QStringList names;
    QWidget form;
    for (QDesignerCustomWidgetInterface* control : collection->customWidgets()) {
        names << control->name();
        EXPECT_EQ(control->group(), QStringLiteral("Dravik"));
        EXPECT_FALSE(control->isContainer());
        EXPECT_TRUE(control->domXml().contains(control->name()));
        control->initialize(nullptr);
        EXPECT_TRUE(control->isInitialized());
        QWidget* widget = control->createWidget(&form);
        ASSERT_NE(widget, nullptr) << control->name().toStdString();
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), control->name());
        if (auto* hosted = qobject_cast<Dravik::UserControl*>(widget)) {
            EXPECT_TRUE(hosted->host().DesignMode()) << control->name().toStdString();
        }
    }
    EXPECT_EQ(names, (QStringList{"Dravik::Progress", "Dravik::TextInt", "Dravik::TextHelp",
                                  "Dravik::EVScroll"}));
}
