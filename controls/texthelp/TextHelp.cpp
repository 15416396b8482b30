// The text box with help button: help requests, the button following the
// focus, validation and exit direction, the forwarded properties and their
// saved settings.
#include "controls/texthelp/TextHelp.h"

#include "controls/host/StandardPages.h"
#include "controls/texthelp/TextHelpPage.h"

#include "routines/RoutineError.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QToolButton>

namespace Dravik {

namespace {

constexpr int ButtonWidth = 20;
// The gap between box and button, 10 twips on a 96 dpi screen.
constexpr int ButtonGap = 1;

constexpr int KeyF1 = 112;
constexpr int KeyF12 = 123;
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? CtrlMask : 0) |
           (modifiers & Qt::AltModifier ? AltMask : 0);
}

int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

QIcon listIcon() {
    // Three lines with bullets: a list of allowed values.
    QPixmap picture(12, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    for (int row = 0; row < 3; ++row) {
        const int y = 2 + row * 4;
        painter.fillRect(1, y - 1, 2, 2, QColor(0, 0, 128));
        painter.drawLine(5, y, 11, y);
    }
    return QIcon(picture);
}

// Whether moving the focus to widget asks the box it leaves to validate: the
// nearest widget up the chain that says so decides, and widgets that say
// nothing do, as the platform's controls do by default.
bool causesValidation(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QVariant setting = w->property("CausesValidation");
        if (setting.isValid()) {
            return setting.toBool();
        }
    }
    return widget != nullptr;
}

} // namespace

const QString TextHelp::HelpToolTip = QStringLiteral("Επιτρεπτές τιμές (F12)");

TextHelp::TextHelp(QWidget* parent)
    : UserControl(parent), txtHelp_(new QLineEdit(this)), cmdHelp_(new QToolButton(this)),
      m_causesValidation(true), m_helpValue(QVariant::fromValue<qint16>(0)) {
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp_->setToolTip(HelpToolTip);
    cmdHelp_->setIcon(listIcon());
    cmdHelp_->setFocusPolicy(Qt::NoFocus);
    cmdHelp_->hide();
    txtHelp_->setProperty("CausesValidation", m_causesValidation);
    setFocusProxy(txtHelp_);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(sizeHint());

    txtHelp_->installEventFilter(this);
    connect(txtHelp_, &QLineEdit::textChanged, this, &TextHelp::textChanged);
    connect(cmdHelp_, &QToolButton::clicked, this, &TextHelp::RequestHelp);
}

QSize TextHelp::sizeHint() const {
    const QSize box = txtHelp_->sizeHint();
    return {box.width() + ButtonGap + ButtonWidth, box.height()};
}

QColor TextHelp::BackColor() const {
    return txtHelp_->palette().color(QPalette::Base);
}

void TextHelp::setBackColor(const QColor& colour) {
    QPalette palette = txtHelp_->palette();
    palette.setColor(QPalette::Base, colour);
    txtHelp_->setPalette(palette);
    markChanged("BackColor");
}

QColor TextHelp::ForeColor() const {
    return txtHelp_->palette().color(QPalette::Text);
}

void TextHelp::setForeColor(const QColor& colour) {
    QPalette palette = txtHelp_->palette();
    palette.setColor(QPalette::Text, colour);
    txtHelp_->setPalette(palette);
    markChanged("ForeColor");
}

bool TextHelp::Enabled() const {
    return isEnabled();
}

void TextHelp::setControlEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    txtHelp_->setEnabled(enabled);
    cmdHelp_->setEnabled(enabled);
    markChanged("Enabled");
}

QFont TextHelp::Font() const {
    return txtHelp_->font();
}

void TextHelp::setControlFont(const QFont& font) {
    txtHelp_->setFont(font);
    markChanged("Font");
}

void TextHelp::setBorderStyle(int style) {
    m_borderStyle = style;
    applyAppearance();
    markChanged("BorderStyle");
}

QString TextHelp::Text() const {
    return txtHelp_->text();
}

void TextHelp::setText(const QString& text) {
    txtHelp_->setText(text);
    markChanged("Text");
}

void TextHelp::setAlignment(int alignment) {
    applyAlignment(alignment);
    markChanged("Alignment");
}

void TextHelp::applyAlignment(int alignment) {
    m_alignment = alignment;
    const Qt::Alignment horizontal = alignment == 1   ? Qt::AlignRight
                                     : alignment == 2 ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
    txtHelp_->setAlignment(horizontal | Qt::AlignVCenter);
}

void TextHelp::setMaxLength(int length) {
    m_maxLength = length;
    txtHelp_->setMaxLength(length > 0 ? length : 32767);
    markChanged("MaxLength");
}

QString TextHelp::ToolTipText() const {
    return txtHelp_->toolTip();
}

void TextHelp::setToolTipText(const QString& text) {
    txtHelp_->setToolTip(text);
    markChanged("ToolTipText");
}

void TextHelp::setAppearance(int appearance) {
    m_appearance = appearance;
    applyAppearance();
    markChanged("Appearance");
}

void TextHelp::applyAppearance() {
    txtHelp_->setFrame(m_borderStyle != 0);
    // A flat single border is a plain line; the three-dimensional one is the
    // style's own frame.
    txtHelp_->setStyleSheet(m_borderStyle != 0 && m_appearance == 0
                                ? QStringLiteral("QLineEdit { border: 1px solid palette(text); }")
                                : QString());
}

bool TextHelp::Locked() const {
    return txtHelp_->isReadOnly();
}

void TextHelp::setLocked(bool locked) {
    txtHelp_->setReadOnly(locked);
    markChanged("Locked");
}

int TextHelp::SelLength() const {
    return static_cast<int>(txtHelp_->selectedText().size());
}

void TextHelp::setSelLength(int length) {
    const int start = SelStart();
    const int available = static_cast<int>(txtHelp_->text().size()) - start;
    txtHelp_->setSelection(start, std::clamp(length, 0, std::max(available, 0)));
    markChanged("SelLength");
}

int TextHelp::SelStart() const {
    return txtHelp_->hasSelectedText() ? txtHelp_->selectionStart() : txtHelp_->cursorPosition();
}

void TextHelp::setSelStart(int start) {
    txtHelp_->deselect();
    txtHelp_->setCursorPosition(std::clamp(start, 0, static_cast<int>(txtHelp_->text().size())));
    markChanged("SelStart");
}

QString TextHelp::SelText() const {
    return txtHelp_->selectedText();
}

void TextHelp::setSelText(const QString& text) {
    txtHelp_->insert(text);
    markChanged("SelText");
}

void TextHelp::setCausesValidation(bool causesValidation) {
    m_causesValidation = causesValidation;
    txtHelp_->setProperty("CausesValidation", causesValidation);
    markChanged("CausesValidation");
}

void TextHelp::setWithHelpButton(bool withButton) {
    m_withHelpButton = withButton;
    // Taking the button away while the user is in the box hides it at once.
    if (!withButton) {
        cmdHelp_->hide();
    } else if (txtHelp_->hasFocus()) {
        cmdHelp_->show();
    }
    markChanged("WithHelpButton");
}

void TextHelp::setHelpValue(const QVariant& value) {
    if (host().DesignMode()) {
        throw dvRtns4::RoutineError(387, QStringLiteral("HelpValue cannot be set at design time"));
    }
    m_helpValue = value;
    markChanged("HelpValue");
}

QWidget* TextHelp::ActiveControl() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != this && isAncestorOf(focus) ? focus : nullptr;
}

void TextHelp::PopupMenu(QMenu* Menu, int Flags, const QVariant& X, const QVariant& Y,
                         QAction* DefaultMenu) {
    if (Menu == nullptr) {
        return;
    }
    QPoint at =
        X.isValid() && Y.isValid() ? mapToGlobal(QPoint(X.toInt(), Y.toInt())) : QCursor::pos();
    const int width = Menu->sizeHint().width();
    if (Flags & 8) {
        at.rx() -= width;
    } else if (Flags & 4) {
        at.rx() -= width / 2;
    }
    if (DefaultMenu != nullptr) {
        Menu->setDefaultAction(DefaultMenu);
    }
    Menu->exec(at);
}

void TextHelp::RequestHelp() {
    QString helpStr = txtHelp_->text();
    QVariant helpValue; // always starts empty, not from the current value
    emit ShowHelp(helpStr, helpValue);
    if (helpStr != txtHelp_->text()) {
        txtHelp_->setText(helpStr); // resets the value and raises TextChanged
    }
    m_helpValue = helpValue;
}

void TextHelp::textChanged() {
    m_helpValue = QVariant::fromValue<qint16>(0);
    emit TextChanged();
}

bool TextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtHelp_) {
        return UserControl::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const int shift = shiftState(key->modifiers());
        const bool help =
            key->key() == Qt::Key_F12 || (key->key() == Qt::Key_F1 && (shift & AltMask) != 0);
        if (help) {
            // The help key goes no further: neither to the box nor to a
            // shortcut of the window.
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                RequestHelp();
            }
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (m_withHelpButton) {
                cmdHelp_->show();
            }
            m_exitDirection = 0;
            QCoreApplication::processEvents();
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
            break;
        }
        // Leaving with Tab is the forward exit, with Shift+Tab the backward one.
        if (reason == Qt::TabFocusReason) {
            m_exitDirection = 1;
        } else if (reason == Qt::BacktabFocusReason) {
            m_exitDirection = -1;
        }
        cmdHelp_->hide();
        QWidget* next = QApplication::focusWidget();
        if (next != nullptr && next != txtHelp_ && causesValidation(next)) {
            bool cancel = false;
            emit Validate(cancel);
            if (cancel) {
                // Back into the box once the focus change has finished.
                QPointer<QLineEdit> box(txtHelp_);
                QMetaObject::invokeMethod(
                    this,
                    [box] {
                        if (box) {
                            box->setFocus(Qt::OtherFocusReason);
                        }
                    },
                    Qt::QueuedConnection);
            }
        }
        break;
    }
    default:
        break;
    }
    return UserControl::eventFilter(watched, event);
}

void TextHelp::resizeEvent(QResizeEvent* event) {
    UserControl::resizeEvent(event);
    const int boxWidth = std::max(0, width() - ButtonWidth - ButtonGap);
    txtHelp_->setGeometry(0, 0, boxWidth, height());
    cmdHelp_->setGeometry(boxWidth + ButtonGap, 0, ButtonWidth, height());
}

void TextHelp::emitMouse(void (TextHelp::*signal)(int, int, float, float), QMouseEvent* event) {
    const QPointF at = event->position();
    const int button =
        buttonCode(event->type() == QEvent::MouseMove ? event->buttons() : event->button());
    emit(this->*signal)(button, shiftState(event->modifiers()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
}

void TextHelp::mousePressEvent(QMouseEvent* event) {
    emitMouse(&TextHelp::MouseDown, event);
}

void TextHelp::mouseMoveEvent(QMouseEvent* event) {
    emitMouse(&TextHelp::MouseMove, event);
}

void TextHelp::mouseReleaseEvent(QMouseEvent* event) {
    emitMouse(&TextHelp::MouseUp, event);
}

void TextHelp::initProperties() {
    emit InitProperties();
    m_withHelpButton = true;
    m_helpValue = QVariant::fromValue<qint16>(0);
    m_exitDirection = 0;
}

namespace {

QColor windowBackground() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}
QColor windowText() {
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
}

} // namespace

void TextHelp::readProperties(PropertyBag& bag) {
    QPalette palette = txtHelp_->palette();
    palette.setColor(
        QPalette::Base,
        bag.ReadProperty(QStringLiteral("BackColor"), windowBackground()).value<QColor>());
    palette.setColor(QPalette::Text,
                     bag.ReadProperty(QStringLiteral("ForeColor"), windowText()).value<QColor>());
    txtHelp_->setPalette(palette);
    QWidget::setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), false).toBool());
    txtHelp_->setFont(
        bag.ReadProperty(QStringLiteral("Font"), host().AmbientFont()).value<QFont>());
    m_borderStyle = bag.ReadProperty(QStringLiteral("BorderStyle"), 1).toInt();
    txtHelp_->setText(bag.ReadProperty(QStringLiteral("Text"), QString()).toString());
    applyAlignment(bag.ReadProperty(QStringLiteral("Alignment"), 0).toInt());
    m_maxLength = bag.ReadProperty(QStringLiteral("MaxLength"), 0).toInt();
    txtHelp_->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
    txtHelp_->setToolTip(bag.ReadProperty(QStringLiteral("ToolTipText"), QString()).toString());
    m_appearance = bag.ReadProperty(QStringLiteral("Appearance"), 1).toInt();
    applyAppearance();
    txtHelp_->setReadOnly(bag.ReadProperty(QStringLiteral("Locked"), false).toBool());
    const int selLength = bag.ReadProperty(QStringLiteral("SelLength"), 0).toInt();
    const int selStart = bag.ReadProperty(QStringLiteral("SelStart"), 0).toInt();
    // The saved selected text is part of the saved text already: putting it in
    // again would insert it a second time, so only the selection comes back.
    bag.ReadProperty(QStringLiteral("SelText"), QString());
    const int length = static_cast<int>(txtHelp_->text().size());
    const int start = std::clamp(selStart, 0, length);
    txtHelp_->setSelection(start, std::clamp(selLength, 0, length - start));
    m_causesValidation = bag.ReadProperty(QStringLiteral("CausesValidation"), false).toBool();
    m_withHelpButton = bag.ReadProperty(QStringLiteral("WithHelpButton"), true).toBool();
    m_causesValidation = bag.ReadProperty(QStringLiteral("CausesValidation"), false).toBool();
    txtHelp_->setProperty("CausesValidation", m_causesValidation);
    m_helpValue = bag.ReadProperty(QStringLiteral("HelpValue"), 0);
}

void TextHelp::writeProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("BackColor"), BackColor(), windowBackground());
    bag.WriteProperty(QStringLiteral("ForeColor"), ForeColor(), windowText());
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled());
    bag.WriteProperty(QStringLiteral("Font"), Font(), host().AmbientFont());
    bag.WriteProperty(QStringLiteral("BorderStyle"), m_borderStyle, 1);
    bag.WriteProperty(QStringLiteral("Text"), Text(), QString());
    bag.WriteProperty(QStringLiteral("Alignment"), m_alignment, 0);
    bag.WriteProperty(QStringLiteral("MaxLength"), m_maxLength, 0);
    bag.WriteProperty(QStringLiteral("ToolTipText"), ToolTipText(), QString());
    bag.WriteProperty(QStringLiteral("Appearance"), m_appearance, 1);
    bag.WriteProperty(QStringLiteral("Locked"), Locked());
    bag.WriteProperty(QStringLiteral("SelLength"), SelLength(), 0);
    bag.WriteProperty(QStringLiteral("SelStart"), SelStart(), 0);
    bag.WriteProperty(QStringLiteral("SelText"), SelText(), QString());
    bag.WriteProperty(QStringLiteral("CausesValidation"), m_causesValidation);
    bag.WriteProperty(QStringLiteral("WithHelpButton"), m_withHelpButton, true);
    bag.WriteProperty(QStringLiteral("HelpValue"), m_helpValue, 0);
}

QList<PropertyPage*> TextHelp::CreatePropertyPages(QWidget* parent) const {
    return {new TextHelpSpecial(parent), new StandardColorPage(parent),
            new StandardFontPage(parent)};
}

} // namespace Dravik
