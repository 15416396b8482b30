// frmWrongVersion: tells the user that the database belongs to an older
// version and asks for a newer one. Shown modal; the program ends when it
// closes, by its button or by its close box.
#pragma once

#include <QDialog>
#include <QString>

namespace lexora::startup {

// The three lines of lbToolTip, kept apart by the blanks with which the
// word-wrapping label starts each on a line of its own.
QString wrongVersionToolTipText();

class frmWrongVersion final : public QDialog {
    Q_OBJECT
public:
    explicit frmWrongVersion(const QString& applicationTitle, QWidget* parent = nullptr);
};

} // namespace lexora::startup
