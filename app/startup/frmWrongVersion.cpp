// The wrong-version window.
#include "app/startup/frmWrongVersion.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexora::startup {

QString wrongVersionToolTipText() {
    return QStringLiteral("Λανθασμένη Έκδοση της εφαρμογής!") + QString(205, QLatin1Char(' ')) +
           QStringLiteral("Επιχειρήσατε να \"ανοίξετε\" την εφαρμογή με παλαιότερη έκδοση από "
                          "την 2.9") +
           QString(131, QLatin1Char(' ')) +
           QStringLiteral("Παρακαλούμε εγκαταστήστε την έκδοση 2.9 ή μία μεταγενέστερη");
}

frmWrongVersion::frmWrongVersion(const QString& applicationTitle, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmWrongVersion"));
    setWindowTitle(applicationTitle);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* lbApplication = new QLabel(applicationTitle, this);
    lbApplication->setObjectName(QStringLiteral("lbApplication_0"));
    QFont bold = lbApplication->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    lbApplication->setFont(bold);
    layout->addWidget(lbApplication);

    auto* lbToolTip = new QLabel(wrongVersionToolTipText(), this);
    lbToolTip->setObjectName(QStringLiteral("lbToolTip"));
    lbToolTip->setWordWrap(true);
    lbToolTip->setMinimumWidth(420);
    layout->addWidget(lbToolTip);

    auto* buttons = new QHBoxLayout;
    auto* cmdExit = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace lexora::startup
