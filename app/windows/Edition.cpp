// The edition table of the main window.
#include "app/windows/Edition.h"

#include "app/state/ProgramState.h"

namespace lexora::windows {

bool isChartCaption(const QString& caption) {
    return caption == kCaptionChart || caption == kCaptionDocumentsGuide;
}

Edition editionFor(const QString& applicationTitle) {
    Edition e;
    // The designed texts.
    e.chartTabPCaption = kCaptionChart;
    e.lblsearchlaw0 = QStringLiteral("Αναζήτηση Νομοθετημάτων");
    e.lblsearchlaw1 = QStringLiteral("Αναζήτηση στο κείμενο των Νομοθετημάτων");
    e.lblsearch1 = QStringLiteral("Αναζήτηση στο Περιεχόμενο των Θεμάτων");
    e.lblsearchschedule0 = QStringLiteral("Αναζήτηση στον Οδηγό Εγγράφων ");
    e.lblsearchschedule1 = QStringLiteral("Αναζήτηση στο Οργανόγραμμα");
    e.txtsearchSchedule0ToolTip = QStringLiteral(
        "Αναζήτηση στους τίτλους των θεμάτων του Οδηγού Εγγραφού που εμφανίζονται στο δέντρο "
        "Εγγράφων.");

    if (applicationTitle == kTitleKestrani || applicationTitle == kTitleMorvaldi) {
        e.usesChartTabP = true;
        e.chartSearchBox = 0;
        if (applicationTitle == kTitleMorvaldi) {
            e.chartTabPCaption = kCaptionDocumentsGuide;
        } else {
            e.logo = EditionLogo::Primary;
            e.lblsearchschedule0 = QStringLiteral("Αναζήτηση στο Οργανόγραμμα");
            e.txtsearchSchedule0ToolTip = QStringLiteral(
                "Αναζήτηση στους τίτλους των θεμάτων που εμφανίζονται στο δέντρο του "
                "Οργανογράμματος.");
        }
        return e;
    }

    e.usesChartTabP = false;
    e.chartSearchBox = 1;
    e.lblsearchlaw0 = QStringLiteral("Αναζήτηση με τον αριθμό του νομοθετήματος");
    e.lblsearchlaw1 = QStringLiteral("Αναζήτηση με λέξεις κλειδιά του νομοθετήματος");
    e.lblsearch1 = QStringLiteral("Αναζήτηση με λέξεις κλειδιά του θέματος");
    e.lblsearchschedule1 = QStringLiteral("Αναζήτηση με λέξεις κλειδιά του τίτλου");
    if (applicationTitle == kTitleQuillet)
        e.logo = EditionLogo::Other;
    return e;
}

} // namespace lexora::windows
