// Dravik.TextHelp: a one-line text box with a help button at its right edge.
// While the control has the focus the button is shown; the button, F12 (with
// any of Shift, Ctrl, Alt) and Alt+F1 raise ShowHelp, whose handler may put a
// chosen text into the box and attach a value of its own (HelpValue, say the
// code of the chosen item). Any later edit of the text resets that value.
// Most of the usual text-box properties are those of the inner box txtHelp.
#pragma once

#include "DravikExport.h"
#include "UserControl.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QVariant>

class QAction;
class QLineEdit;
class QMenu;
class QToolButton;

namespace Dravik {

class DRAVIK_EXPORT TextHelp : public UserControl {
    Q_OBJECT
    Q_CLASSINFO("ClassName", "Dravik.TextHelp")
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setControlEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE setControlFont)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(bool MultiLine READ MultiLine)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked)
    Q_PROPERTY(int SelLength READ SelLength WRITE setSelLength DESIGNABLE false STORED false)
    Q_PROPERTY(int SelStart READ SelStart WRITE setSelStart DESIGNABLE false STORED false)
    Q_PROPERTY(QString SelText READ SelText WRITE setSelText DESIGNABLE false STORED false)
    Q_PROPERTY(bool CausesValidation READ CausesValidation WRITE setCausesValidation)
    Q_PROPERTY(bool WithHelpButton READ WithHelpButton WRITE setWithHelpButton)
    Q_PROPERTY(QVariant HelpValue READ HelpValue WRITE setHelpValue DESIGNABLE false)
    Q_PROPERTY(int ExitDirection READ exitDirection)
    Q_PROPERTY(QWidget* ActiveControl READ ActiveControl DESIGNABLE false)
public:
    static constexpr const char* ClassName = "Dravik.TextHelp";
    static const QString HelpToolTip; // "Επιτρεπτές τιμές (F12)"

    // Alignment values: 0 left, 1 right, 2 centre. BorderStyle: 0 none,
    // 1 single. Appearance: 0 flat, 1 three-dimensional.
    explicit TextHelp(QWidget* parent = nullptr);

    QColor BackColor() const;
    void setBackColor(const QColor& colour);
    QColor ForeColor() const;
    void setForeColor(const QColor& colour);
    bool Enabled() const;
    void setControlEnabled(bool enabled);
    QFont Font() const;
    void setControlFont(const QFont& font);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    QString Text() const;
    void setText(const QString& text);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    // 0: no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int length);
    bool MultiLine() const { return false; }
    QString ToolTipText() const;
    void setToolTipText(const QString& text);
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    bool Locked() const;
    void setLocked(bool locked);
    int SelLength() const;
    // Selects length characters from SelStart.
    void setSelLength(int length);
    int SelStart() const;
    // Puts the caret at start, with nothing selected.
    void setSelStart(int start);
    QString SelText() const;
    // Replaces the selected text.
    void setSelText(const QString& text);
    bool CausesValidation() const { return m_causesValidation; }
    void setCausesValidation(bool causesValidation);
    bool WithHelpButton() const { return m_withHelpButton; }
    void setWithHelpButton(bool withButton);
    QVariant HelpValue() const { return m_helpValue; }
    // Only while the host runs: in a designer it throws dvRtns4::RoutineError
    // 387 and changes nothing.
    void setHelpValue(const QVariant& value);
    // 0 from the moment the control receives the focus; 1 after the user left
    // it forwards (Tab), -1 backwards (Shift+Tab).
    int exitDirection() const { return m_exitDirection; }
    // The child that has the focus within the control, or nullptr.
    QWidget* ActiveControl() const;

    // Shows menu at (X, Y) in the control (at the mouse pointer when either is
    // left out) and returns when it closes. Flags: 0 left edge at X, 4 centred
    // on X, 8 right edge at X. DefaultMenu is shown as the default entry.
    Q_INVOKABLE void PopupMenu(QMenu* Menu, int Flags = 0, const QVariant& X = {},
                               const QVariant& Y = {}, QAction* DefaultMenu = nullptr);

    // What a click on the help button or F12 does.
    void RequestHelp();

    // The pages that edit the control.
    QList<PropertyPage*> CreatePropertyPages(QWidget* parent) const override;

    QSize sizeHint() const override;

signals:
    void TextChanged();
    void ShowHelp(QString& HelpStr, QVariant& HelpValue);
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    // Raised when the focus leaves for a widget that causes validation; a
    // handler that sets Cancel keeps the focus in the box.
    void Validate(bool& Cancel);
    // Published for hosts that listen for it; the control does not raise it.
    void ExitDirection(bool Forw);

protected:
    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void textChanged();
    void applyAppearance();
    void applyAlignment(int alignment);
    void emitMouse(void (TextHelp::*signal)(int, int, float, float), QMouseEvent* event);

    QLineEdit* txtHelp_;
    QToolButton* cmdHelp_;
    int m_borderStyle = 1;
    int m_alignment = 0;
    int m_maxLength = 0;
    int m_appearance = 1;
    bool m_causesValidation = false;
    bool m_withHelpButton = true;
    QVariant m_helpValue;
    int m_exitDirection = 0;
};

} // namespace Dravik
