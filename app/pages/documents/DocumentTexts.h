// The texts the document commands show.
#pragma once

#include <QString>

namespace lexora::pages::documents_text {

inline const QString kSpreadsheetNote1 =
    QStringLiteral("<p>To υπόδειγμα που επιλέξατε να προβάλετε είναι ένα <b>αρχείο excel</b>.</p>");
inline const QString kSpreadsheetNote2 =
    QStringLiteral("<p>Για την προβολή του κάντε κλικ στην επιλογή <img src='");
// The office programs that open documents on this desktop when no program
// was chosen in the settings.
inline const QString kWordProcessorName = QStringLiteral("LibreOffice Writer");
inline const QString kSpreadsheetName = QStringLiteral("LibreOffice Calc");
// Framed around the name of the program that opens the spreadsheet.
inline const QString kSpreadsheetNote4a =
    QStringLiteral("<i><b>Προσοχή!</b>Για την ορθή προβολή του εγγράφου θα πρέπει να υπαρχει "
                   "εγκατάσταση του <u>");
inline const QString kSpreadsheetNote4b = QStringLiteral("</u> στον υπολογιστή σας.");
inline const QString kTipPrefix = QStringLiteral("Προβολή εγγράφου με ");
inline const QString kTipWord = kTipPrefix + kWordProcessorName;
inline const QString kTipExcel = kTipPrefix + kSpreadsheetName;
inline const QString kNoDocumentTitle = QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου.");
inline const QString kNoDocumentText =
    QStringLiteral("Δεν έχετε επιλέξει Έγγραφο για Προβολή. Για την προβολή του Εγγράφου πρέπει να "
                   "επιλέξετε πρώτα το σύνδεσμο του εγγράφου που θέλετε να προβάλλετε.");
inline const QString kNoOfficeTitle = QStringLiteral("Ανεπιτυχής Προβολή Εγγράφου");
inline const QString kNoExcelText1 =
    QStringLiteral("Η Εφαρμογή LibreOffice Calc δεν βρέθηκε στον Υπολογιστή σας.");
inline const QString kNoExcelText2 =
    QStringLiteral("Αν υπάρχει εγκατάσταση της εφαρμογής, επιχειρστε να ορίσετε τη διαδρομή της "
                   "από την επιλογή 'Ρυθμίσεις'.");
inline const QString kNoWordText1 =
    QStringLiteral("Η Εφαρμογή LibreOffice Writer δεν βρέθηκε στον Υπολογιστή σας.");
inline const QString kNoWordText2 = QStringLiteral(
    "Αν υπάρχει εγκατάσταση της εφαρμογής ή θέλετε να ορίσετε διαφορετική εφαρμογή για το άνοιγμα "
    "των εγγράφων, επιχειρίστε να ορίσετε τη διαδρομή της από την επιλογή 'Ρυθμίσεις'.");
inline const QString kPrintDisabled = QStringLiteral("The Print command is currently disabled.");
inline const QString kPrintError = QStringLiteral("Print command Error: ");
inline const QString kNoActTitle = QStringLiteral("Ανεπιτυχής Εκτύπωση Νομοθετήματος.");
inline const QString kNoActText = QStringLiteral(
    "Δεν έχετε επιλέξει Νομοθέτημα για εκτύπωση.Για την εκτύπωση του Νομοθετήματος πρέπει να "
    "επιλέξετε πρώτα το σύνδεσμο του Νομοθετήματος που θέλετε να εκτυπώσετε.");
// Follow the application folder in the note's picture address, around the
// name of the program that opens the spreadsheet.
inline const QString kSpreadsheetNote3a =
    QStringLiteral("/help/excel.ico' title='Προβολή Εγγράφου με  ");
inline const QString kSpreadsheetNote3b = QStringLiteral("'/>.</p>");
// A program that could not open the document.
inline const QString kCannotStartText =
    QStringLiteral("Η εφαρμογή «%1» δεν μπόρεσε να ξεκινήσει και το έγγραφο δεν εμφανίστηκε.");
inline const QString kFailedAtOnceText =
    QStringLiteral("Η εφαρμογή «%1» τερμάτισε αμέσως με σφάλμα και το έγγραφο δεν εμφανίστηκε.");
inline const QString kCheckChosenProgram = QStringLiteral(
    "Ελέγξτε τη διαδρομή της εφαρμογής προβολής εγγράφων από την επιλογή 'Ρυθμίσεις'.");

} // namespace lexora::pages::documents_text
