// The regional-settings window: its labels, the marking of wrong groups and
// the repair.
#include "app/startup/frmWrongRegionalSettings.h"

#include "app/startup/OsVersionName.h"
#include "app/startup/RegionalRepair.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexora::startup {

namespace {

void setColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

frmWrongRegionalSettings::frmWrongRegionalSettings(
    const LocaleSnapshot& snapshot, const platform::OsVersion& version,
    const QString& fileDescription, dvRtns4::SettingsStore& regionalStore,
    dvRtns4::MessagePresenter& messages, std::function<void()> endProgram, QWidget* parent)
    : QWidget(parent, Qt::Window), m_version(version), m_regionalStore(regionalStore),
      m_messages(messages), m_endProgram(std::move(endProgram)) {
    setObjectName(QStringLiteral("frmWrongRegionalSettings"));
    setWindowTitle(QStringLiteral("Έλεγχος τοπικών ρυθμίσεων Η/Υ"));
    setAttribute(Qt::WA_QuitOnClose, false); // the end-program action ends the run

    auto* layout = new QVBoxLayout(this);
    m_lbApplication = addLabel(QStringLiteral("lbApplication_0"), QString());
    QFont bold = m_lbApplication->font();
    bold.setBold(true);
    m_lbApplication->setFont(bold);
    setColour(m_lbApplication, kRegionalErrorColour);

    addLabel(QStringLiteral("lbNotes_0"),
             QStringLiteral("Μετά τον έλεγχο των τοπικών ρυθμίσεων διαπιστώθηκε ότι οι ρυθμίσεις "
                            "του υπολογιστή σας, είναι λανθασμένες και δεν θα μπορέσετε να "
                            "χρησιμοποιήσετε σωστά την εφαρμογή. Από την επιλογή Έναρξη, "
                            "Ρυθμίσεις, Πίνακας Ελέγχου, Τοπικές Ρυθμίσεις θα πρέπει να ορίσετε "
                            "τα εξής:"));
    const QString numbers[4] = {
        QStringLiteral("Η μορφή των Αριθμών πρέπει να είναι η ακόλουθη: 123.456.789,00"),
        QStringLiteral(
            "Η μορφή της Νομισματικής Μονάδας πρέπει να είναι η ακόλουθη: 123.456.789,00"),
        QStringLiteral("Το σύμβολο της υποδιαστολής πρέπει να είναι κόμμα"),
        QStringLiteral("Το σύμβολο ομαδοποίησης ψηφίων πρέπει να είναι τελεία"),
    };
    for (int i = 0; i < 4; ++i)
        m_lbNumbers[i] = addLabel(QStringLiteral("lbNumbers_%1").arg(i), numbers[i]);
    m_lbDate[0] = addLabel(QStringLiteral("lbDate_0"),
                           QStringLiteral("Η μορφή της Ημερομηνίας πρέπει να είναι η ακόλουθη: "
                                          "ηη/μμ/εεεε"));
    m_lbDate[1] = addLabel(QStringLiteral("lbDate_1"),
                           QStringLiteral("Το διαχωριστικό ημερομηνίας πρέπει να είναι η "
                                          "κάθετος  /"));
    m_lbHours[0] = addLabel(QStringLiteral("lbHours_0"),
                            QStringLiteral("Η μορφή της Ώρας πρέπει να είναι η ακόλουθη: "
                                           "ΩΩ:λλ:δδ (24 ώρες)"));
    m_lbHours[1] = addLabel(QStringLiteral("lbHours_1"),
                            QStringLiteral("Το διαχωριστικό ώρας πρέπει να είναι η άνω κάτω "
                                           "τελεία :"));
    for (QLabel* label : {m_lbNumbers[0], m_lbNumbers[1], m_lbNumbers[2], m_lbNumbers[3],
                          m_lbDate[0], m_lbDate[1], m_lbHours[0], m_lbHours[1]})
        setColour(label, kRegionalLabelColour);
    QLabel* lbOSInfo = addLabel(QStringLiteral("lbOSInfo"), QStringLiteral("Λειτουργικό: "));

    auto* buttons = new QHBoxLayout;
    auto* cmdUpdateReg = new QPushButton(QStringLiteral("Διόρθωση των ρυθμίσεων αυτόματα"), this);
    cmdUpdateReg->setObjectName(QStringLiteral("cmdUpdateReg"));
    auto* cmdExit = new QPushButton(QStringLiteral("Κλείσιμο"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    buttons->addWidget(cmdUpdateReg);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);
    connect(cmdUpdateReg, &QPushButton::clicked, this,
            &frmWrongRegionalSettings::cmdUpdateReg_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmWrongRegionalSettings::cmdExit_Click);

    // Load.
    m_osName = GetOSVersionName(m_version);
    lbOSInfo->setText(lbOSInfo->text() + QLatin1Char(' ') + m_osName);
    if (snapshot.numbersWrong())
        markGroup({m_lbNumbers[0], m_lbNumbers[1], m_lbNumbers[2], m_lbNumbers[3]});
    if (snapshot.datesWrong())
        markGroup({m_lbDate[0], m_lbDate[1]});
    if (snapshot.timesWrong())
        markGroup({m_lbHours[0], m_lbHours[1]});
    m_lbApplication->setText(fileDescription);
}

QLabel* frmWrongRegionalSettings::addLabel(const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    static_cast<QVBoxLayout*>(layout())->addWidget(label);
    return label;
}

void frmWrongRegionalSettings::markGroup(std::initializer_list<QLabel*> labels) {
    const QColor colour = m_lbApplication->palette().color(QPalette::WindowText);
    for (QLabel* label : labels)
        setColour(label, colour);
    for (QLabel* label : labels)
        label->setText(QStringLiteral("ERROR [") + label->text() + QLatin1Char(']'));
}

void frmWrongRegionalSettings::cmdUpdateReg_Click() {
    // A write that fails (an unwritable home folder) makes the repair a
    // failure: the user must not be told the settings were corrected when the
    // next start will stop on them again.
    bool allWritten = true;
    for (const auto& [name, value] : RegionalRepairValues(m_version))
        allWritten = SetRegStrValueControlPanel(m_regionalStore, name, value) && allWritten;
    dvRtns4::MessageRequest request;
    if (allWritten) {
        request.text = QStringLiteral("Η διόρθωση των τοπικών ρυθμίσεων ολοκληρώθηκε επιτυχώς");
    } else {
        request.icon = dvRtns4::MsgIcon::Critical;
        request.text = QStringLiteral(
            "Η διόρθωση των τοπικών ρυθμίσεων απέτυχε: οι ρυθμίσεις δεν ήταν δυνατό να "
            "αποθηκευτούν στον προσωπικό φάκελο του χρήστη. Βεβαιωθείτε ότι ο φάκελος "
            "επιτρέπει την εγγραφή και δοκιμάστε ξανά.");
    }
    m_messages.show(request);
    unloadAndEnd();
}

void frmWrongRegionalSettings::cmdExit_Click() {
    unloadAndEnd();
}

void frmWrongRegionalSettings::closeEvent(QCloseEvent* event) {
    event->accept();
    unloadAndEnd();
}

void frmWrongRegionalSettings::unloadAndEnd() {
    if (m_ended)
        return;
    m_ended = true;
    hide();
    if (m_endProgram)
        m_endProgram();
}

} // namespace lexora::startup
