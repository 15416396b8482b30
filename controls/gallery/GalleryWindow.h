// The gallery: each control of the library on a page of its own with its
// property fields, a "Properties…" button for its property pages and a log of
// the events it raises. The host's design or run mode can be switched, and
// the controls' settings saved to and read from a settings file.
#pragma once

#include "ControlHost.h"
#include "PropertyBag.h"
#include "UserControl.h"

#include <QMainWindow>

#include <functional>

class QPlainTextEdit;
class QTabWidget;

class GalleryWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget* parent = nullptr);

private:
    QWidget* page(QWidget* control, const QString& note);
    void log(const QString& line);
    void saveSettings();
    void loadSettings();
    // Runs step for every control with its group of the settings file at
    // path; nothing when path is empty (the file dialog was cancelled).
    void
    withSettingsFile(const QString& path,
                     const std::function<void(Dravik::UserControl&, Dravik::PropertyBag&)>& step);

    Dravik::ControlHost m_host;
    QTabWidget* m_tabs;
    QPlainTextEdit* m_log;
    QList<QWidget*> m_controls;
};
