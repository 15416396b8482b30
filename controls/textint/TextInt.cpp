// The integer box: key filter, limit check on every change of the text, the
// two faces following the focus, and its saved settings.
#include "controls/textint/TextInt.h"

#include "controls/host/StandardPages.h"
#include "controls/textint/TextIntGeneral.h"

#include "controls/textint/DravikCode.h"
#include "routines/MessagePresenter.h"
#include "routines/RoutineError.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>

namespace Dravik {

namespace {

const QString ProductName = QStringLiteral("Dravik");

} // namespace

const QString TextInt::DefaultOutOfLimitsMsg = QStringLiteral("Τιμή εκτός ορίων");
const QString TextInt::DefaultFormatMask = QStringLiteral("#,##0");

TextInt::TextInt(QWidget* parent)
    : UserControl(parent), txtInt_(new QLineEdit(this)), lblInt_(new QLabel(this)),
      m_outOfLimitsMsg(DefaultOutOfLimitsMsg), m_formatMask(DefaultFormatMask),
      m_value(QVariant::fromValue<qint16>(0)) {
    txtInt_->setObjectName(QStringLiteral("txtInt"));
    lblInt_->setObjectName(QStringLiteral("lblInt"));
    setFocusPolicy(Qt::StrongFocus);
    // One line high, like the edit box it shows while editing.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    // The label sits on white and is drawn like the edit box's text, so that
    // the two faces line up.
    lblInt_->setAutoFillBackground(true);
    QPalette palette = lblInt_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    lblInt_->setPalette(palette);
    lblInt_->setMargin(txtInt_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    lblInt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    txtInt_->move(0, 0);
    resize(txtInt_->sizeHint());
    lblInt_->setGeometry(0, 0, width(), height());
    txtInt_->setText(lblInt_->text());
    txtInt_->setProperty("CausesValidation", true);
    applyEnabled(true);
    lblInt_->show();
    txtInt_->hide();

    txtInt_->installEventFilter(this);
    connect(txtInt_, &QLineEdit::textChanged, this, &TextInt::textChanged);
}

QSize TextInt::sizeHint() const {
    return txtInt_->sizeHint();
}

bool TextInt::Enabled() const {
    return isEnabled();
}

void TextInt::applyEnabled(bool enabled) {
    QWidget::setEnabled(enabled);
    txtInt_->setEnabled(enabled);
    const QPalette system = QApplication::palette();
    const QColor colour = enabled ? system.color(QPalette::Active, QPalette::Text)
                                  : system.color(QPalette::Disabled, QPalette::Text);
    QPalette palette = lblInt_->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblInt_->setPalette(palette);
}

void TextInt::setControlEnabled(bool enabled) {
    applyEnabled(enabled);
    markChanged("Enabled");
}

QFont TextInt::Font() const {
    return txtInt_->font();
}

void TextInt::setControlFont(const QFont& font) {
    txtInt_->setFont(font);
    lblInt_->setFont(font);
    markChanged("Font");
}

bool TextInt::Locked() const {
    return txtInt_->isReadOnly();
}

void TextInt::setLocked(bool locked) {
    txtInt_->setReadOnly(locked);
    markChanged("Locked");
}

void TextInt::setMinimum(int minimum) {
    m_minimum = minimum;
    textChanged();
    markChanged("Minimum");
}

void TextInt::setMaximum(int maximum) {
    m_maximum = maximum;
    textChanged();
    markChanged("Maximum");
}

void TextInt::setOutOfLimitsMsg(const QString& message) {
    m_outOfLimitsMsg = message;
    markChanged("OutOfLimitsMsg");
}

void TextInt::setFormatMask(const QString& mask) {
    if (host().UserMode() && isSited()) {
        throw dvRtns4::RoutineError(382, QStringLiteral("FormatMask cannot be set at run time"));
    }
    m_formatMask = mask;
    showFormatted();
    markChanged("FormatMask");
}

void TextInt::setValue(const QVariant& value) {
    m_value = value;
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    const bool isText = value.metaType() == QMetaType::fromType<QString>();
    const QString text = (numeric && !isText) ? GeneralNumber(number) : value.toString();
    if (text != txtInt_->text()) {
        txtInt_->setText(text);
    }
    markChanged("Value");
}

void TextInt::setCausesValidation(bool causesValidation) {
    m_causesValidation = causesValidation;
    txtInt_->setProperty("CausesValidation", causesValidation);
    markChanged("CausesValidation");
}

QString TextInt::Text() const {
    return lblInt_->text();
}

void TextInt::showFormatted() {
    const QString text = txtInt_->text();
    lblInt_->setText(text.isEmpty() ? QString() : FormatNumber(NumericValue(text), m_formatMask));
}

void TextInt::textChanged() {
    const QString text = txtInt_->text();
    if (text.isEmpty()) {
        lblInt_->clear();
    } else {
        const double n = NumericValue(text);
        if (m_maximum >= m_minimum && (n < m_minimum || n > m_maximum)) {
            if (!m_outOfLimitsMsg.isEmpty()) {
                dvRtns4::messagePresenter().show({dvRtns4::MsgIcon::Information, ProductName,
                                                  m_outOfLimitsMsg, dvRtns4::MsgButtons::OkOnly});
            }
            // Back to the last accepted value; that change of the text is
            // checked in turn.
            txtInt_->setText(PlainNumberText(lblInt_->text()));
            txtInt_->setSelection(0, static_cast<int>(txtInt_->text().size()));
            return;
        }
        lblInt_->setText(FormatNumber(n, m_formatMask));
    }
    m_value = NumericValue(text);
    emit Change();
    markChanged("Text");
    markChanged("Value");
}

bool TextInt::acceptKey(QChar c) const {
    const char16_t code = c.unicode();
    if (code > u'9') {
        return false;
    }
    if (code >= u'0') {
        return true;
    }
    if (code == u'-' || code == u'+') {
        // A sign only starts the text or replaces all of it.
        return txtInt_->text().isEmpty() || txtInt_->selectedText() == txtInt_->text();
    }
    return code == u'\b';
}

bool TextInt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInt_) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QString typed = key->text();
            // Keys that type nothing (arrows, Home, Delete, function keys)
            // are no characters and pass, and so do the focus keys.
            if (typed.isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab ||
                key->key() == Qt::Key_Backtab) {
                return false;
            }
            for (const QChar c : typed) {
                if (!acceptKey(c)) {
                    host().Beep();
                    // Enter and Escape type nothing either way; they still
                    // reach the window's default and cancel buttons.
                    const bool windowKey = key->key() == Qt::Key_Return ||
                                           key->key() == Qt::Key_Enter ||
                                           key->key() == Qt::Key_Escape;
                    return !windowKey;
                }
            }
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A context menu or another window taking over leaves the user
            // editing here.
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
                lblInt_->show();
                txtInt_->hide();
                setFocusPolicy(Qt::StrongFocus);
            }
        }
    }
    return UserControl::eventFilter(watched, event);
}

void TextInt::focusInEvent(QFocusEvent* event) {
    UserControl::focusInEvent(event);
    lblInt_->hide();
    txtInt_->show();
    // While the edit box has the focus the control itself stays out of the
    // tab chain, so that Shift+Tab leaves it instead of coming back.
    setFocusPolicy(Qt::NoFocus);
    txtInt_->setFocus(event->reason());
}

void TextInt::resizeEvent(QResizeEvent* event) {
    UserControl::resizeEvent(event);
    lblInt_->resize(width(), height());
    txtInt_->resize(lblInt_->size());
}

void TextInt::initProperties() {
    emit InitProperties();
    m_minimum = 0;
    m_maximum = -1;
    m_outOfLimitsMsg = DefaultOutOfLimitsMsg;
    m_formatMask = DefaultFormatMask;
    m_value = QVariant::fromValue<qint16>(0);
    txtInt_->setReadOnly(false);
}

void TextInt::readProperties(PropertyBag& bag) {
    applyEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    const QFont font =
        bag.ReadProperty(QStringLiteral("Font"), host().AmbientFont()).value<QFont>();
    txtInt_->setFont(font);
    lblInt_->setFont(font);
    txtInt_->setReadOnly(bag.ReadProperty(QStringLiteral("Locked"), false).toBool());
    m_minimum = bag.ReadProperty(QStringLiteral("Minimum"), 0).toInt();
    m_maximum = bag.ReadProperty(QStringLiteral("Maximum"), -1).toInt();
    m_outOfLimitsMsg =
        bag.ReadProperty(QStringLiteral("OutOfLimitsMsg"), DefaultOutOfLimitsMsg).toString();
    m_formatMask = bag.ReadProperty(QStringLiteral("FormatMask"), DefaultFormatMask).toString();
    showFormatted();
    m_value = bag.ReadProperty(QStringLiteral("Value"), 0);
    textChanged();
    m_causesValidation = bag.ReadProperty(QStringLiteral("CausesValidation"), true).toBool();
    txtInt_->setProperty("CausesValidation", m_causesValidation);
    const QString text = bag.ReadProperty(QStringLiteral("Text"), QString()).toString();
    if (text != txtInt_->text()) {
        txtInt_->setText(text);
    }
}

void TextInt::writeProperties(PropertyBag& bag) {
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), true);
    bag.WriteProperty(QStringLiteral("Font"), Font(), host().AmbientFont());
    bag.WriteProperty(QStringLiteral("Locked"), Locked(), false);
    bag.WriteProperty(QStringLiteral("Minimum"), m_minimum, 0);
    bag.WriteProperty(QStringLiteral("Maximum"), m_maximum, -1);
    bag.WriteProperty(QStringLiteral("OutOfLimitsMsg"), m_outOfLimitsMsg, DefaultOutOfLimitsMsg);
    bag.WriteProperty(QStringLiteral("FormatMask"), m_formatMask, DefaultFormatMask);
    bag.WriteProperty(QStringLiteral("Value"), m_value, 0);
    bag.WriteProperty(QStringLiteral("CausesValidation"), m_causesValidation, true);
    bag.WriteProperty(QStringLiteral("Text"), txtInt_->text(), QString());
}

QList<PropertyPage*> TextInt::CreatePropertyPages(QWidget* parent) const {
    return {new TextIntGeneral(parent), new StandardFontPage(parent)};
}

} // namespace Dravik
