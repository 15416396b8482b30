// Small helpers the panes and the window share while building their
// controls: naming a control, the indexed names of repeated controls, the
// window's pictures and the picture buttons of the panels.
#pragma once

#include <QIcon>
#include <QString>

class QToolButton;
class QWidget;

namespace lexora::shell {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// "name_index", as repeated controls are named.
QString indexed(const char* name, int index);

// One of the window's pictures by its file name without ".svg".
QIcon windowIcon(const char* name);

// A flat button of a panel showing a picture.
QToolButton* pictureButton(QWidget* parent, const char* name, const char* picture,
                           const QString& toolTip);

} // namespace lexora::shell
