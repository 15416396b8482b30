// The table holds the texts of the dialogs and menus the program opens:
// message boxes, the file dialog of the settings window, the print dialog
// with its page and properties pages, and the context menus.
#include "platform/translations/GreekStandardTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>

namespace lexora::translations {

namespace {

struct Entry {
    const char* source;
    const char* greek;
};

const Entry kTexts[] = {
    // Standard buttons and message boxes
    {"OK", "Εντάξει"},
    {"Cancel", "Άκυρο"},
    {"Save", "Αποθήκευση"},
    {"Save All", "Αποθήκευση όλων"},
    {"Open", "Άνοιγμα"},
    {"&Yes", "&Ναι"},
    {"Yes to &All", "Ναι σε ό&λα"},
    {"&No", "Ό&χι"},
    {"N&o to All", "Όχι σε &όλα"},
    {"Abort", "Διακοπή"},
    {"Retry", "Επανάληψη"},
    {"Ignore", "Παράβλεψη"},
    {"Close", "Κλείσιμο"},
    {"Discard", "Απόρριψη"},
    {"Help", "Βοήθεια"},
    {"Apply", "Εφαρμογή"},
    {"Reset", "Επαναφορά"},
    {"Restore Defaults", "Επαναφορά προεπιλογών"},
    {"Show Details...", "Εμφάνιση λεπτομερειών..."},
    {"Hide Details...", "Απόκρυψη λεπτομερειών..."},
    // Context menus of text boxes and page views
    {"&Undo", "&Αναίρεση"},
    {"&Redo", "Ακύρωση α&ναίρεσης"},
    {"Cu&t", "Απο&κοπή"},
    {"&Copy", "Αντι&γραφή"},
    {"Copy &Link Location", "Αντιγραφή διεύθυνσης &συνδέσμου"},
    {"&Paste", "&Επικόλληση"},
    {"Delete", "Διαγραφή"},
    {"Select All", "Επιλογή όλων"},
    // File dialog
    {"Look in:", "Αναζήτηση σε:"},
    {"Back", "Πίσω"},
    {"Go back", "Μετάβαση πίσω"},
    {"Forward", "Εμπρός"},
    {"Go forward", "Μετάβαση εμπρός"},
    {"Parent Directory", "Γονικός φάκελος"},
    {"Go to the parent directory", "Μετάβαση στον γονικό φάκελο"},
    {"Create New Folder", "Δημιουργία νέου φακέλου"},
    {"Create a New Folder", "Δημιουργία νέου φακέλου"},
    {"List View", "Προβολή λίστας"},
    {"Change to list view mode", "Προβολή ως λίστα"},
    {"Detail View", "Προβολή λεπτομερειών"},
    {"Change to detail view mode", "Προβολή με λεπτομέρειες"},
    {"Sidebar", "Πλευρική στήλη"},
    {"List of places and bookmarks", "Τοποθεσίες και σελιδοδείκτες"},
    {"Files", "Αρχεία"},
    {"Files of type:", "Αρχεία τύπου:"},
    {"File &name:", "Όνομα &αρχείου:"},
    {"&Open", "Ά&νοιγμα"},
    {"&Save", "Αποθή&κευση"},
    {"Save As", "Αποθήκευση ως"},
    {"&Choose", "Επι&λογή"},
    {"Directory:", "Φάκελος:"},
    {"Directories", "Φάκελοι"},
    {"Find Directory", "Εύρεση φακέλου"},
    {"Computer", "Υπολογιστής"},
    {"My Computer", "Ο υπολογιστής μου"},
    {"Recent Places", "Πρόσφατες τοποθεσίες"},
    {"Drive", "Μονάδα δίσκου"},
    {"Folder", "Φάκελος"},
    {"File", "Αρχείο"},
    {"File Folder", "Φάκελος αρχείων"},
    {"Name", "Όνομα"},
    {"Size", "Μέγεθος"},
    {"Type", "Τύπος"},
    {"Date Modified", "Ημερομηνία τροποποίησης"},
    {"All Files (*)", "Όλα τα αρχεία (*)"},
    {"Show ", "Εμφάνιση "},
    {"&Rename", "&Μετονομασία"},
    {"&Delete", "&Διαγραφή"},
    {"Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    {"&New Folder", "&Νέος φάκελος"},
    {"New Folder", "Νέος φάκελος"},
    {"%1 already exists.\nDo you want to replace it?",
     "Το %1 υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;"},
    {"%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nΤο αρχείο δεν βρέθηκε.\nΕλέγξτε ότι δόθηκε το σωστό όνομα αρχείου."},
    {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nΟ φάκελος δεν βρέθηκε.\nΕλέγξτε ότι δόθηκε το σωστό όνομα φακέλου."},
    {"Are you sure you want to delete '%1'?", "Να διαγραφεί το «%1»;"},
    {"Could not delete directory.", "Ο φάκελος δεν μπόρεσε να διαγραφεί."},
    // Print dialog
    {"Print", "Εκτύπωση"},
    {"&Print", "&Εκτύπωση"},
    {"Printer", "Εκτυπωτής"},
    {"&Name:", "Ό&νομα:"},
    {"P&roperties", "Ιδιό&τητες"},
    {"Location:", "Θέση:"},
    {"Preview", "Προεπισκόπηση"},
    {"Type:", "Τύπος:"},
    {"Output &file:", "Αρχείο &εξόδου:"},
    {"Print range", "Περιοχή εκτύπωσης"},
    {"Print all", "Όλες οι σελίδες"},
    {"Pages from", "Σελίδες από"},
    {"to", "έως"},
    {"Pages", "Σελίδες"},
    {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
     "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Δώστε σελίδες ή περιοχές σελίδων χωρισμένες με κόμμα· μια περιοχή είναι δύο αριθμοί με "
     "παύλα ανάμεσα. Π.χ. 3,5-7,9 τυπώνει τις σελίδες 3, 5, 6, 7 και 9."},
    {"Current Page", "Τρέχουσα σελίδα"},
    {"Selection", "Επιλογή"},
    {"Page Set:", "Σελίδες:"},
    {"Output Settings", "Ρυθμίσεις εξόδου"},
    {"Copies:", "Αντίτυπα:"},
    {"Collate", "Συρραφή"},
    {"Reverse", "Αντίστροφα"},
    {"Copies", "Αντίτυπα"},
    {"Color Mode", "Χρώμα"},
    {"Color", "Έγχρωμη"},
    {"Grayscale", "Αποχρώσεις του γκρι"},
    {"Double Sided Printing", "Εκτύπωση διπλής όψης"},
    {"Off", "Όχι"},
    {"Long side binding", "Δέσιμο στη μεγάλη πλευρά"},
    {"Short side binding", "Δέσιμο στη μικρή πλευρά"},
    {"Options", "Επιλογές"},
    {"All Pages", "Όλες οι σελίδες"},
    {"Odd Pages", "Μονές σελίδες"},
    {"Even Pages", "Ζυγές σελίδες"},
    {"&Options >>", "&Επιλογές >>"},
    {"&Options <<", "&Επιλογές <<"},
    {"Print to File (PDF)", "Εκτύπωση σε αρχείο (PDF)"},
    {"Local file", "Τοπικό αρχείο"},
    {"Write PDF file", "Εγγραφή αρχείου PDF"},
    {"Print To File ...", "Εκτύπωση σε αρχείο..."},
    {"Printer Properties", "Ιδιότητες εκτυπωτή"},
    {"Job Options", "Επιλογές εργασίας"},
    {"Page", "Σελίδα"},
    {"Advanced", "Για προχωρημένους"},
    {"There are conflicts in some options. Please fix them.",
     "Ορισμένες επιλογές συγκρούονται μεταξύ τους. Διορθώστε τες."},
    {"The 'From' value cannot be greater than the 'To' value.",
     "Η πρώτη σελίδα δεν μπορεί να είναι μετά την τελευταία."},
    {"%1 is a directory.\nPlease choose a different file name.",
     "Το %1 είναι φάκελος.\nΔιαλέξτε άλλο όνομα αρχείου."},
    {"File %1 is not writable.\nPlease choose a different file name.",
     "Στο αρχείο %1 δεν επιτρέπεται η εγγραφή.\nΔιαλέξτε άλλο όνομα αρχείου."},
    // Page set-up
    {"Paper", "Χαρτί"},
    {"Page size:", "Μέγεθος σελίδας:"},
    {"Width:", "Πλάτος:"},
    {"Height:", "Ύψος:"},
    {"Paper source:", "Τροφοδοσία χαρτιού:"},
    {"Orientation", "Προσανατολισμός"},
    {"Portrait", "Κατακόρυφος"},
    {"Landscape", "Οριζόντιος"},
    {"Reverse landscape", "Ανεστραμμένος οριζόντιος"},
    {"Reverse portrait", "Ανεστραμμένος κατακόρυφος"},
    {"Margins", "Περιθώρια"},
    {"top margin", "άνω περιθώριο"},
    {"left margin", "αριστερό περιθώριο"},
    {"right margin", "δεξί περιθώριο"},
    {"bottom margin", "κάτω περιθώριο"},
    {"Page Layout", "Διάταξη σελίδας"},
    {"Page order:", "Σειρά σελίδων:"},
    {"Pages per sheet:", "Σελίδες ανά φύλλο:"},
    {"Millimeters (mm)", "Χιλιοστά (mm)"},
    {"Inches (in)", "Ίντσες (in)"},
    {"Points (pt)", "Στιγμές (pt)"},
    {"Custom", "Προσαρμοσμένο"},
    {"Left to Right, Top to Bottom", "Από αριστερά προς τα δεξιά, από πάνω προς τα κάτω"},
    {"Left to Right, Bottom to Top", "Από αριστερά προς τα δεξιά, από κάτω προς τα πάνω"},
    {"Right to Left, Bottom to Top", "Από δεξιά προς τα αριστερά, από κάτω προς τα πάνω"},
    {"Right to Left, Top to Bottom", "Από δεξιά προς τα αριστερά, από πάνω προς τα κάτω"},
    {"Bottom to Top, Left to Right", "Από κάτω προς τα πάνω, από αριστερά προς τα δεξιά"},
    {"Bottom to Top, Right to Left", "Από κάτω προς τα πάνω, από δεξιά προς τα αριστερά"},
    {"Top to Bottom, Left to Right", "Από πάνω προς τα κάτω, από αριστερά προς τα δεξιά"},
    {"Top to Bottom, Right to Left", "Από πάνω προς τα κάτω, από δεξιά προς τα αριστερά"},
    // Print job of the printing system
    {"Job", "Εργασία"},
    {"Job Control", "Έλεγχος εργασίας"},
    {"Scheduled printing:", "Προγραμματισμένη εκτύπωση:"},
    {"Billing information:", "Στοιχεία χρέωσης:"},
    {"Job priority:", "Προτεραιότητα εργασίας:"},
    {"Banner Pages", "Σελίδες διαχωρισμού"},
    {"Print Immediately", "Άμεση εκτύπωση"},
    {"Hold Indefinitely", "Αναμονή επ' αόριστον"},
    {"Specific Time", "Συγκεκριμένη ώρα"},
    // Tab bars
    {"Scroll Left", "Κύλιση αριστερά"},
    {"Scroll Right", "Κύλιση δεξιά"},
};

const QHash<QByteArray, QString>& table() {
    static const QHash<QByteArray, QString> texts = [] {
        QHash<QByteArray, QString> map;
        for (const Entry& e : kTexts)
            map.insert(QByteArray(e.source), QString::fromUtf8(e.greek));
        return map;
    }();
    return texts;
}

} // namespace

QString GreekStandardTexts::translate(const char* /*context*/, const char* sourceText,
                                      const char* /*disambiguation*/, int /*n*/) const {
    if (sourceText == nullptr)
        return {};
    return table().value(QByteArray(sourceText));
}

bool installGreekTranslations(QCoreApplication& application) {
    // Installed first, so that a catalogue installed after it is asked first.
    QCoreApplication::installTranslator(new GreekStandardTexts(&application));
    auto* catalogue = new QTranslator(&application);
    if (catalogue->load(QLocale(QLocale::Greek, QLocale::Greece), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(catalogue);
        return true;
    }
    delete catalogue;
    return false;
}

} // namespace lexora::translations
