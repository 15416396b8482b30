// The legal-text window. The box fills the window above a strip that holds
// the close button at its right; a box over the whole window would hide the
// button. Escape presses that button.
#include "app/windows/dialogs/frmIDravik.h"

#include "app/windows/dialogs/DialogResources.h"
#include "app/windows/dialogs/DialogTexts.h"
#include "platform/richtext/DocumentBox.h"

#include <QCloseEvent>
#include <QFile>
#include <QPushButton>

namespace lexora::dialogs {

namespace {
constexpr int kButtonMargin = 8; // pixels around the close button
}

QByteArray legalText(int pChoice) {
    QString resource;
    if (pChoice == 1)
        resource = QStringLiteral(":/lexora/dialogs/legal/privacy.rtf");
    else if (pChoice == 2)
        resource = QStringLiteral(":/lexora/dialogs/legal/terms.rtf");
    else
        return {};
    ensureDialogResources();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

frmIDravik::frmIDravik(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmIDravik"));
    setAttribute(Qt::WA_DeleteOnClose);

    cmdExit = new QPushButton(texts::kClose, this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    txt = new richtext::DocumentBox(this);
    txt->setObjectName(QStringLiteral("txt"));

    resize(640, 560);
}

void frmIDravik::Init(int pChoice) {
    const QByteArray rtf = legalText(pChoice);
    if (rtf.isEmpty())
        return;
    m_mode = pChoice - 1;
    setWindowTitle(pChoice == 1 ? texts::kLinkPrivacy : texts::kLinkTerms);
    txt->LoadRtf(rtf);
}

void frmIDravik::Form_Resize() {
    const QSize button = cmdExit->sizeHint().expandedTo(QSize(96, 0));
    const int strip = button.height() + 2 * kButtonMargin;
    cmdExit->setGeometry(width() - button.width() - kButtonMargin, height() - strip + kButtonMargin,
                         button.width(), button.height());
    if (txt->width() > 0 && txt->height() > 0 && height() > strip)
        txt->setGeometry(0, 0, width(), height() - strip);
}

void frmIDravik::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmIDravik::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace lexora::dialogs
