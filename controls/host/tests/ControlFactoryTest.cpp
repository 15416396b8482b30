// Every class name the library registers creates a control that carries that
// name, whatever the caller's letter case.
#include "controls/ControlFactory.h"

#include <QMetaClassInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(ControlFactory, CreatesEveryRegisteredControlByName) {
    const QStringList names = Dravik::ControlClassNames();
    EXPECT_EQ(names, (QStringList{"Dravik.Progress", "Dravik.TextInt", "Dravik.TextHelp",
                                  "Dravik.EVScroll"}));
    for (const QString& name : names) {
        std::unique_ptr<QWidget> control(Dravik::CreateControl(name.toUpper(), nullptr));
        ASSERT_NE(control, nullptr) << name.toStdString();
        const QMetaObject* meta = control->metaObject();
        const int info = meta->indexOfClassInfo("ClassName");
        ASSERT_GE(info, 0);
        EXPECT_EQ(QString::fromLatin1(meta->classInfo(info).value()), name);
    }
}
