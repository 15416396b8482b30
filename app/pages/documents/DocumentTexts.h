// The captions the document commands recognise and the texts they show.
#pragma once

#include <QString>

namespace lexora::pages::documents_text {

inline const QString kTabTopics = QStringLiteral("Θέματα");
inline const QString kTabLegislation = QStringLiteral("Νομοθετήματα");
inline const QString kTabHistory = QStringLiteral("Ιστορικό");
inline const QString kTabChart = QStringLiteral("Οργανόγραμμα");
inline const QString kTabDocumentGuide = QStringLiteral("Οδηγός Εγγράφων");
inline const QString kSpreadsheetNote1 =
    QStringLiteral("<p>To υπόδειγμα που επιλέξατε να προβάλετε είναι ένα <b>αρχείο excel</b>.</p>");
inline const QString kSpreadsheetNote2 =
    QStringLiteral("<p>Για την προβολή του κάντε κλικ στην επιλογή <img src='");
inline const QString kSpreadsheetNote4 =
    QStringLiteral("<i><b>Προσοχή!</b>Για την ορθή προβολή του εγγράφου θα πρέπει να υπαρχει "
                   "εγκατάσταση του <u>Microsoft Office Εxcel</u> στον υπολογιστή σας.");
inline const QString kTipWord = QStringLiteral("Προβολή εγγράφου με Microsoft Office Word");
inline const QString kTipExcel = QStringLiteral("Προβολή εγγράφου με Microsoft Office Excel");
inline const QString kNoDocumentTitle = QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου.");
inline const QString kNoDocumentText =
    QStringLiteral("Δεν έχετε επιλέξει Έγγραφο για Προβολή. Για την προβολή του Εγγράφου πρέπει να "
                   "επιλέξετε πρώτα το σύνδεσμο του εγγράφου που θέλετε να προβάλλετε.");
inline const QString kNoOfficeTitle = QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου");
inline const QString kNoExcelText1 =
    QStringLiteral("Η Εφαρμογή Microsoft Office Excel δεν βρέθηκε στον Υπολογιστή σας.");
inline const QString kNoExcelText2 =
    QStringLiteral("Αν υπάρχει εγκατάσταση της εφαρμογής, επιχειρστε να ορίσετε τη διαδρομή της "
                   "από την επιλογή 'Ρυθμίσεις'.");
inline const QString kNoWordText1 =
    QStringLiteral("Η Εφαρμογή Microsoft Office Word δεν βρέθηκε στον Υπολογιστή σας.");
inline const QString kNoWordText2 = QStringLiteral(
    "Αν υπάρχει εγκατάσταση της εφαρμογής ή θέλετε να ορίσετε διαφορετική εφαρμογή για το άνοιγμα "
    "των εγγράφων, επιχειρίστε να ορίσετε τη διαδρομή της από την επιλογή 'Ρυθμίσεις'.");
inline const QString kPrintDisabled = QStringLiteral("The Print command is currently disabled.");
inline const QString kPrintError = QStringLiteral("Print command Error: ");
inline const QString kNoActTitle = QStringLiteral("Ανεπιτυχής Εκτύπωση Νομοθετήματος.");
inline const QString kNoActText = QStringLiteral(
    "Δεν έχετε επιλέξει Νομοθέτημα για εκτύπωση.Για την εκτύπωση του Νομοθετήματος πρέπει να "
    "επιλέξετε πρώτα το σύνδεσμο του Νομοθετήματος που θέλετε να εκτυπώσετε.");
// Follows the application folder in the note's picture address.
inline const QString kSpreadsheetNote3 =
    QStringLiteral("/help/excel.ico' title='Προβολή Εγγράφου με  Microsoft Office Excel'/>.</p>");

} // namespace lexora::pages::documents_text
