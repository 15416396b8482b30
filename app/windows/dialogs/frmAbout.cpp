// The about window. Positions are the window's design in twips (15 to the
// pixel); the artwork is drawn from an SVG picture of 398 x 448 pixels whose
// lower part is white. Mouse tracking is on for every element, so that the
// pointer's moves reach the element under it; a move over a link stops there,
// a move over anything else reaches the window and clears the underlines.
#include "app/windows/dialogs/frmAbout.h"

#include "app/windows/dialogs/DialogGeometry.h"
#include "app/windows/dialogs/DialogResources.h"
#include "app/windows/dialogs/DialogTexts.h"

#include <QCloseEvent>
#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

namespace lexora::dialogs {

namespace {

constexpr int kInnerWidthTwips = 5970;
constexpr int kInnerHeightTwips = 6975;
constexpr QSize kArtworkSize(398, 448);

QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QPixmap renderSvg(const QString& resource, QSize size) {
    ensureDialogResources();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The window's design font: MS Sans Serif 8.25 pt, or the desktop's nearest.
QFont designFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace

frmAbout::frmAbout(Actions actions, ProgramVersion version, QWidget* parent)
    : QWidget(parent, Qt::Window), m_actions(std::move(actions)), m_version(version),
      m_artwork(renderSvg(QStringLiteral(":/lexora/dialogs/about.svg"), kArtworkSize)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts::kAboutCaption);
    setWindowIcon(QIcon(renderSvg(QStringLiteral(":/lexora/dialogs/appicon.svg"), QSize(32, 32))));
    setFixedSize(pixels(kInnerWidthTwips), pixels(kInnerHeightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMouseTracking(true);

    const QColor versionColour(192, 64, 0);
    lbVersion = label(QStringLiteral("lbVersion"), this, twipsRect(2040, 1080, 4005, 210));
    lbC = label(QStringLiteral("lbC"), this, twipsRect(2040, 1320, 4005, 210));
    for (QLabel* line : {lbVersion, lbC}) {
        line->setAlignment(Qt::AlignCenter);
        line->setFont(designFont(true));
        setTextColour(line, versionColour);
    }

    Label8 = label(QStringLiteral("Label8"), this, twipsRect(0, 4680, 4785, 270));
    Label8->setText(texts::kMakerAddress);
    Label6[2] = label(QStringLiteral("Label6_2"), this, twipsRect(0, 4920, 3705, 270));
    Label6[2]->setText(texts::kMakerPhones);
    Label6[0] = label(QStringLiteral("Label6_0"), this, twipsRect(0, 5160, 3705, 270));
    Label6[0]->setText(texts::kMakerWeb);
    for (QLabel* line : {Label8, Label6[2], Label6[0]})
        setTextColour(line, Qt::white);

    Frame = new QFrame(this);
    Frame->setObjectName(QStringLiteral("Frame"));
    Frame->setFrameShape(QFrame::NoFrame);
    Frame->setGeometry(twipsRect(120, 5520, 3735, 975));
    Frame->setAutoFillBackground(true);
    QPalette framePalette = Frame->palette();
    framePalette.setColor(QPalette::Window, framePalette.color(QPalette::Base));
    Frame->setPalette(framePalette);
    Frame->setMouseTracking(true);
    Frame->installEventFilter(this);

    const QCursor hand(renderSvg(QStringLiteral(":/lexora/dialogs/hand.svg"), QSize(32, 32)), 11,
                       2);
    const std::array<QString, 4> captions{texts::kLinkNewVersion, texts::kLinkPrivacy,
                                          texts::kLinkTerms, texts::kLinkInformation};
    const std::array<QRect, 4> places{twipsRect(0, 0, 3600, 210), twipsRect(0, 240, 2400, 210),
                                      twipsRect(0, 480, 2400, 210), twipsRect(0, 720, 3720, 210)};
    for (std::size_t i = 0; i < lbWeb.size(); ++i) {
        QLabel* link = label(QStringLiteral("lbWeb_%1").arg(i), Frame, places[i]);
        link->setText(captions[i]);
        setTextColour(link, i == 3 ? QColor(255, 0, 255) : QColor(0, 0, 255));
        link->setCursor(hand);
        lbWeb[i] = link;
    }

    cmdOK = new QPushButton(texts::kClose, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4680, 6600, 1200, 315));
    cmdOK->setMouseTracking(true);
    cmdOK->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

QLabel* frmAbout::label(const QString& name, QWidget* parent, const QRect& rect) {
    auto* line = new QLabel(parent);
    line->setObjectName(name);
    line->setFont(designFont(false));
    line->setGeometry(rect);
    line->setMouseTracking(true);
    line->installEventFilter(this);
    return line;
}

void frmAbout::Form_Load() {
    lbC->setText(texts::kCopyright);
    lbVersion->setText(versionLine(m_version));
}

void frmAbout::lbWeb_Click(int index) {
    switch (index) {
    case 0:
        if (m_actions.openNewVersions)
            m_actions.openNewVersions();
        break;
    case 1:
    case 2:
        if (m_actions.showLegalText)
            m_actions.showLegalText(index);
        break;
    case 3:
        if (m_actions.showInformation)
            m_actions.showInformation();
        break;
    default:
        break;
    }
}

void frmAbout::lbWeb_MouseMove(int index) {
    for (std::size_t j = 0; j < lbWeb.size(); ++j) {
        QFont font = lbWeb[j]->font();
        const bool underline = static_cast<int>(j) == index;
        if (font.underline() != underline) {
            font.setUnderline(underline);
            lbWeb[j]->setFont(font);
        }
    }
}

int frmAbout::linkIndex(const QObject* object) const {
    for (std::size_t i = 0; i < lbWeb.size(); ++i) {
        if (lbWeb[i] == object)
            return static_cast<int>(i);
    }
    return -1;
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    const int index = linkIndex(watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        lbWeb_MouseMove(index);
        return index >= 0; // a move over a link goes no further
    case QEvent::MouseButtonPress:
        if (index >= 0 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_pressedLink = lbWeb[static_cast<std::size_t>(index)];
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (index >= 0 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            QLabel* pressed = m_pressedLink;
            m_pressedLink = nullptr;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed == watched && pressed->rect().contains(mouse->position().toPoint()))
                lbWeb_Click(index);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event) {
    lbWeb_MouseMove(-1);
    QWidget::mouseMoveEvent(event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_artwork);
}

void frmAbout::closeEvent(QCloseEvent* event) {
    event->accept();
    emit unloaded();
}

} // namespace lexora::dialogs
