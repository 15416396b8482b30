// The captions and messages of the help, information, legal-text, settings
// and about windows, and the maker's details the about window shows.
#pragma once

#include <QString>

namespace lexora::dialogs::texts {

// frmHelp. The caption's first letter is a Latin B, as the program has always
// shown it.
inline const QString kHelpCaption = QStringLiteral("Bοήθεια στην εφαρμογή ");
inline const QString kHelpHome = QStringLiteral("Αρχή");
inline const QString kHelpPrint = QStringLiteral("Εκτύπωση");
inline const QString kHelpClose = QStringLiteral("Κλείσιμο");
inline const QString kPrintDisabled = QStringLiteral("The Print command is currently disabled.");
inline const QString kPrintError = QStringLiteral("Print command Error: ");

// frmSystemInfo.
inline const QString kInfoCaption = QStringLiteral("Γενικές Πληροφορίες Εφαρμογής");
inline const QString kInfoHelp = QStringLiteral("Βοήθεια");
inline const QString kInfoAbout = QStringLiteral("Για την εφαρμογή");
inline const QString kInfoSettings = QStringLiteral("Ρυθμίσεις");
inline const QString kChkSysInfo = QStringLiteral("Να μην εμφανιστεί ξανά αυτή η οθόνη");
inline const QString kClose = QStringLiteral("Κλείσιμο");

// frmSetSysParam.
inline const QString kSettingsCaption = QStringLiteral("Ορισμός Παραμέτρων Εφαρμογής");
inline const QString kCmdFileName = QStringLiteral("Θέση εφαρμογής προβολής εγγράφων");
inline const QString kChkSysDisp = QStringLiteral(
    "Απόκρυψη Οθόνης με Γενικές Πληροφορίες Εφαρμογής κατά την Εκκίνηση της εφαρμογής");
inline const QString kDefaultProgram = QStringLiteral("EXCEL.EXE");
// The program chooser offers every file (programs on this desktop carry no
// fixed name or extension) and the desktop's application entries, starting in
// the system's program folder.
inline const QString kProgramFilter =
    QStringLiteral("Προγράμματα (*);;Εφαρμογές επιφάνειας εργασίας (*.desktop)");
inline const QString kProgramFolder = QStringLiteral("/usr/bin");
inline const QString kDocumentButtonTip = QStringLiteral("Προβολή εγγράφου με ");

// A setting that could not be stored.
inline const QString kSaveFailedTitle = QStringLiteral("Ανεπιτυχής Αποθήκευση Ρύθμισης.");
inline const QString kProgramNotSaved = QStringLiteral(
    "Η εφαρμογή προβολής εγγράφων δεν ήταν δυνατό να αποθηκευτεί στις ρυθμίσεις του χρήστη. "
    "Θα χρησιμοποιηθεί μόνο μέχρι το κλείσιμο της εφαρμογής.");
inline const QString kInfoChoiceNotSaved = QStringLiteral(
    "Η επιλογή για την οθόνη με τις Γενικές Πληροφορίες Εφαρμογής δεν ήταν δυνατό να "
    "αποθηκευτεί στη βάση δεδομένων. Αιτία: ");

// frmAbout.
inline const QString kAboutCaption = QStringLiteral("Για την εφαρμογή");
inline const QString kVersionPrefix = QStringLiteral("Έκδοση: ");
inline const QString kLinkNewVersion = QStringLiteral("Αναβάθμιση Νέας Έκδοσης");
inline const QString kLinkPrivacy = QStringLiteral("Δήλωση περί απορρήτου");
inline const QString kLinkTerms = QStringLiteral("Άδεια Χρήσης Λογισμικού");
inline const QString kLinkInformation = QStringLiteral("Εμφάνιση Γενικών Πληροφοριών Εφαρμογής");

// The maker's details (DRAVIK). The addresses use the reserved .example
// domain and the numbers are placeholders.
inline const QString kCopyright = QStringLiteral("Copyright © 2026 DRAVIK");
inline const QString kMakerAddress =
    QStringLiteral("DRAVIK Λογισμικό, Οδός Παραδείγματος 0, 000 00 Αθήνα");
inline const QString kMakerPhones = QStringLiteral("Τηλ. 210 0000000, Fax 210 0000001");
inline const QString kMakerWeb = QStringLiteral("www.dravik.example, info@dravik.example");
inline const QString kNewVersionsAddress =
    QStringLiteral("https://www.dravik.example/lexora/new-version");

} // namespace lexora::dialogs::texts
