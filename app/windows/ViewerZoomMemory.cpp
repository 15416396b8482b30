// A stored value that is not a number, or is out of range, is ignored or
// brought to the nearest zoom step by the viewer itself.
#include "app/windows/ViewerZoomMemory.h"

#include "app/startup/ApplicationSettings.h"
#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"
#include "platform/textview/TextZoom.h"

#include <QWidget>

namespace lexora::windows {

namespace {

void remember(textview::TextZoom* zoom, const QString& name,
              startup::ApplicationSettings& settings) {
    if (zoom == nullptr || name.isEmpty())
        return;
    const QString key = QString::fromLatin1(kZoomKey);
    bool number = false;
    const int stored = settings.ReadSetting(true, key, name, QString()).toInt(&number);
    if (number && stored > 0)
        zoom->setPercent(stored);
    QObject::connect(zoom, &textview::TextZoom::zoomChanged, zoom,
                     [&settings, key, name](int percent) {
                         settings.WriteUserSetting(key, name, QString::number(percent));
                     });
}

} // namespace

void rememberViewerZoom(QWidget& window, startup::ApplicationSettings& settings) {
    for (pages::PageViewer* viewer : window.findChildren<pages::PageViewer*>())
        remember(viewer->zoom(), viewer->objectName(), settings);
    for (richtext::DocumentBox* box : window.findChildren<richtext::DocumentBox*>())
        remember(box->zoom(), box->objectName(), settings);
}

} // namespace lexora::windows
