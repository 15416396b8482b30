// dravik-gallery: tries out the controls of the library.
#include "controls/gallery/GalleryWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dravik-gallery"));
    GalleryWindow window;
    window.show();
    return QApplication::exec();
}
