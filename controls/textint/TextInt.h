// Dravik.TextInt: a box for whole numbers with two faces. While it has the
// focus the user edits plain digits in txtInt; otherwise lblInt shows the
// number formatted with FormatMask ("#,##0": 1.234.567 under Greek settings).
// Keys other than digits, a leading sign and backspace are refused with a
// beep. Limits apply while Maximum >= Minimum: a value outside them shows
// OutOfLimitsMsg and puts the last accepted value back.
#pragma once

#include "DravikExport.h"
#include "UserControl.h"

#include <QFont>
#include <QString>
#include <QVariant>

class QLabel;
class QLineEdit;

namespace Dravik {

class DRAVIK_EXPORT TextInt : public UserControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Dravik.TextInt")
    Q_PROPERTY(bool Enabled READ Enabled WRITE setControlEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setControlFont)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(int Minimum READ Minimum WRITE setMinimum)
    Q_PROPERTY(int Maximum READ Maximum WRITE setMaximum)
    Q_PROPERTY(QString OutOfLimitsMsg READ OutOfLimitsMsg WRITE setOutOfLimitsMsg)
    Q_PROPERTY(QString FormatMask READ FormatMask WRITE setFormatMask)
    Q_PROPERTY(QVariant Value READ Value WRITE setValue DESIGNABLE false)
    Q_PROPERTY(bool CausesValidation READ CausesValidation WRITE setCausesValidation)
    Q_PROPERTY(QString Text READ Text STORED false)
public:
    static constexpr const char* ClassName = "Dravik.TextInt";
    static const QString DefaultOutOfLimitsMsg; // "Τιμή εκτός ορίων"
    static const QString DefaultFormatMask;     // "#,##0"

    explicit TextInt(QWidget* parent = nullptr);

    bool Enabled() const;
    // Also sets txtInt's state and the label's text colour: window text when
    // enabled, grey text when not.
    void setControlEnabled(bool enabled);
    QFont Font() const;
    void setControlFont(const QFont& font);
    bool Locked() const;
    void setLocked(bool locked);
    int Minimum() const { return m_minimum; }
    // Stores the limit, then checks the text against the limits again.
    void setMinimum(int minimum);
    int Maximum() const { return m_maximum; }
    void setMaximum(int maximum);
    QString OutOfLimitsMsg() const { return m_outOfLimitsMsg; }
    void setOutOfLimitsMsg(const QString& message);
    QString FormatMask() const { return m_formatMask; }
    // Design time only: while the host runs, throws dvRtns4::RoutineError 382
    // and changes nothing. A form that sets up the control before showing it
    // (a Designer form's setupUi) may still set it.
    void setFormatMask(const QString& mask);
    // The last numeric value of the text (a double after any change of it).
    QVariant Value() const { return m_value; }
    // Writes the value into txtInt in general form; a text that changes runs
    // the limit check and may replace the value.
    void setValue(const QVariant& value);
    bool CausesValidation() const { return m_causesValidation; }
    void setCausesValidation(bool causesValidation);
    // The formatted text of the display face (1.234), not the digits.
    QString Text() const;

    // The pages that edit the control.
    QList<PropertyPage*> CreatePropertyPages(QWidget* parent) const override;

    QSize sizeHint() const override;

signals:
    // At the end of every accepted change of the text.
    void Change();

protected:
    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) override;

    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textChanged();
    void applyEnabled(bool enabled);
    void showFormatted();
    bool acceptKey(QChar c) const;

    QLineEdit* txtInt_;
    QLabel* lblInt_;
    int m_minimum = 0;
    int m_maximum = -1;
    QString m_outOfLimitsMsg;
    QString m_formatMask;
    QVariant m_value;
    bool m_causesValidation = true;
};

} // namespace Dravik
