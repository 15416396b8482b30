// Pages of the gallery and the handlers that show what the controls raise.
#include "controls/gallery/GalleryWindow.h"

#include "controls/evscroll/EVScroll.h"
#include "controls/gallery/PropertyPanel.h"
#include "controls/host/PropertyPagesDialog.h"
#include "controls/host/SettingsPropertyBag.h"
#include "controls/progress/Progress.h"
#include "controls/texthelp/TextHelp.h"
#include "controls/textint/TextInt.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

using Dravik::EVScroll;
using Dravik::Progress;
using Dravik::TextHelp;
using Dravik::TextInt;

GalleryWindow::GalleryWindow(QWidget* parent)
    : QMainWindow(parent), m_tabs(new QTabWidget(this)), m_log(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Dravik"));
    m_log->setReadOnly(true);
    m_log->setObjectName(QStringLiteral("eventLog"));

    auto* progress = new Progress(this);
    progress->setObjectName(QStringLiteral("Progress1"));
    progress->setMinimumSize(300, 24);
    auto* textInt = new TextInt(this);
    textInt->setObjectName(QStringLiteral("TextInt1"));
    auto* textHelp = new TextHelp(this);
    textHelp->setObjectName(QStringLiteral("TextHelp1"));
    auto* scroll = new EVScroll(this);
    scroll->setObjectName(QStringLiteral("EVScroll1"));
    scroll->setMinimumHeight(220);
    for (Dravik::UserControl* control :
         std::initializer_list<Dravik::UserControl*>{textInt, textHelp, scroll}) {
        control->setHost(&m_host);
        control->InitNew();
        connect(control, &Dravik::UserControl::PropertyChanged, this,
                [this, control](const QString& name) {
                    log(control->objectName() + QStringLiteral(" property changed: ") + name);
                });
    }

    // Progress has one method: a slider drives it.
    auto* progressPage = page(progress, QStringLiteral("UpdateStatus(fraction, border case)"));
    auto* slider = new QSlider(Qt::Horizontal, progressPage);
    slider->setRange(0, 100);
    auto* border = new QCheckBox(QStringLiteral("fBorderCase"), progressPage);
    progressPage->layout()->addWidget(slider);
    progressPage->layout()->addWidget(border);
    const auto update = [progress, slider, border] {
        progress->UpdateStatus(static_cast<float>(slider->value()) / 100.0f, border->isChecked());
    };
    connect(slider, &QSlider::valueChanged, this, update);
    connect(border, &QCheckBox::toggled, this, update);

    page(textInt, QStringLiteral("Digits only; limits apply while Maximum ≥ Minimum"));
    connect(textInt, &TextInt::Change, this, [this, textInt] {
        log(QStringLiteral("TextInt1 Change: Value = ") + textInt->Value().toString());
    });

    page(textHelp, QStringLiteral("F12, Alt+F1 or the button asks for the allowed values"));
    connect(textHelp, &TextHelp::TextChanged, this,
            [this] { log(QStringLiteral("TextHelp1 TextChanged")); });
    connect(textHelp, &TextHelp::ShowHelp, this, [this](QString& text, QVariant& value) {
        const QStringList towns{QStringLiteral("Αθήνα"), QStringLiteral("Θεσσαλονίκη"),
                                QStringLiteral("Πάτρα"), QStringLiteral("Ηράκλειο")};
        bool ok = false;
        const QString chosen =
            QInputDialog::getItem(this, QStringLiteral("Επιτρεπτές τιμές"), QStringLiteral("Πόλη:"),
                                  towns, std::max(0, int(towns.indexOf(text))), false, &ok);
        if (ok) {
            text = chosen;
            value = int(towns.indexOf(chosen)) + 1;
        }
        log(QStringLiteral("TextHelp1 ShowHelp: ") + text + QStringLiteral(" / ") +
            value.toString());
    });
    connect(textHelp, &TextHelp::Validate, this,
            [this](bool&) { log(QStringLiteral("TextHelp1 Validate")); });
    connect(textHelp, &TextHelp::MouseDown, this, [this](int button, int shift, float x, float y) {
        log(QStringLiteral("TextHelp1 MouseDown %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y));
    });

    page(scroll, QStringLiteral("A Value outside Min..Max disables the bar"));
    connect(scroll, &EVScroll::Scroll, this, [this, scroll] {
        log(QStringLiteral("EVScroll1 Scroll: ") + QString::number(scroll->Value()));
    });
    connect(scroll, &EVScroll::Change, this, [this, scroll] {
        log(QStringLiteral("EVScroll1 Change: ") + QString::number(scroll->Value()));
    });

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_log);
    splitter->setStretchFactor(0, 3);
    setCentralWidget(splitter);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save settings…"), this, &GalleryWindow::saveSettings);
    file->addAction(QStringLiteral("&Load settings…"), this, &GalleryWindow::loadSettings);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    QMenu* host = menuBar()->addMenu(QStringLiteral("&Host"));
    QAction* design = host->addAction(QStringLiteral("&Design mode"));
    design->setCheckable(true);
    connect(design, &QAction::toggled, this, [this](bool on) {
        m_host.setDesignMode(on);
        log(on ? QStringLiteral("Host in design mode") : QStringLiteral("Host in run mode"));
    });
    resize(640, 560);
}

QWidget* GalleryWindow::page(QWidget* control, const QString& note) {
    auto* content = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(content);
    auto* box = new QGroupBox(control->objectName(), content);
    auto* row = new QHBoxLayout(box);
    auto* before = new QLineEdit(box);
    before->setPlaceholderText(QStringLiteral("before"));
    row->addWidget(before);
    row->addWidget(control);
    auto* after = new QLineEdit(box);
    after->setPlaceholderText(QStringLiteral("after"));
    row->addWidget(after);
    layout->addWidget(box);
    layout->addWidget(new QLabel(note, content));
    if (auto* hosted = qobject_cast<Dravik::UserControl*>(control)) {
        auto* panel = new PropertyPanel(control, content);
        auto* scroller = new QScrollArea(content);
        scroller->setWidget(panel);
        scroller->setWidgetResizable(true);
        layout->addWidget(scroller, 1);
        connect(hosted, &Dravik::UserControl::PropertyChanged, panel, &PropertyPanel::refresh);
        auto* pages = new QPushButton(QStringLiteral("Properties…"), content);
        layout->addWidget(pages);
        connect(pages, &QPushButton::clicked, this, [this, control, panel] {
            Dravik::PropertyPagesDialog dialog({control}, this);
            dialog.exec();
            panel->refresh();
        });
        m_controls.append(control);
    }
    m_tabs->addTab(
        content,
        QString::fromLatin1(control->metaObject()->className()).section(QStringLiteral("::"), -1));
    return content;
}

void GalleryWindow::log(const QString& line) {
    m_log->appendPlainText(line);
}

void GalleryWindow::saveSettings() {
    withSettingsFile(QFileDialog::getSaveFileName(this, QStringLiteral("Save settings"), {},
                                                  QStringLiteral("Settings (*.ini)")),
                     [](Dravik::UserControl& control, Dravik::PropertyBag& bag) {
                         control.SaveProperties(bag);
                     });
}

void GalleryWindow::loadSettings() {
    withSettingsFile(QFileDialog::getOpenFileName(this, QStringLiteral("Load settings"), {},
                                                  QStringLiteral("Settings (*.ini)")),
                     [](Dravik::UserControl& control, Dravik::PropertyBag& bag) {
                         control.LoadProperties(bag);
                     });
}

void GalleryWindow::withSettingsFile(
    const QString& path,
    const std::function<void(Dravik::UserControl&, Dravik::PropertyBag&)>& step) {
    if (path.isEmpty()) {
        return;
    }
    // One group per control, named after it.
    QSettings settings(path, QSettings::IniFormat);
    for (QWidget* control : m_controls) {
        Dravik::SettingsPropertyBag bag(settings, control->objectName());
        step(*static_cast<Dravik::UserControl*>(control), bag);
    }
}
