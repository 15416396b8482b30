// frmIDravik, the legal-text window: the privacy statement (choice 1) or the
// software-use terms (choice 2), both RTF documents built into the program,
// in a read-only rich-text box that fills the window above its close button
// "Κλείσιμο". Not modal; one at a time, showing the text last asked for.
#pragma once

#include <QByteArray>
#include <QWidget>

class QPushButton;

namespace lexora::richtext {
class DocumentBox;
}

namespace lexora::dialogs {

// The built-in RTF text of a choice (1 privacy, 2 terms); empty otherwise.
QByteArray legalText(int pChoice);

class frmIDravik final : public QWidget {
    Q_OBJECT
public:
    explicit frmIDravik(QWidget* parent = nullptr);

    // Chooses the text (mode = pChoice - 1) and shows it in the box; the
    // caption names it. Another choice leaves the box unchanged.
    void Init(int pChoice);
    int mode() const { return m_mode; }

    void Form_Resize();
    void cmdExit_Click() { close(); }

    richtext::DocumentBox* txt = nullptr;
    QPushButton* cmdExit = nullptr;

signals:
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int m_mode = -1;
};

} // namespace lexora::dialogs
