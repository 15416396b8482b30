#include "app/shell/PaneBuilding.h"

#include <QToolButton>

namespace lexora::shell {

namespace {
constexpr int kPictureButtonSize = 30;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QIcon windowIcon(const char* name) {
    return QIcon(QStringLiteral(":/lexora/windows/%1.svg").arg(QLatin1String(name)));
}

QToolButton* pictureButton(QWidget* parent, const char* name, const char* picture,
                           const QString& toolTip) {
    auto* button = named(new QToolButton(parent), QString::fromLatin1(name));
    button->setIcon(windowIcon(picture));
    button->setIconSize(QSize(22, 22));
    button->setFixedSize(kPictureButtonSize, kPictureButtonSize);
    button->setToolTip(toolTip);
    button->setAutoRaise(true);
    return button;
}

} // namespace lexora::shell
