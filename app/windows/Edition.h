// What the application title changes on the main window: which
// organisation-chart tab and tree are used, captions, tool tips and the logo.
// The texts are those of the designed window unless the edition replaces them.
#pragma once

#include <QString>

namespace lexora::windows {

enum class EditionLogo { Designed, Primary, Other };

struct Edition {
    bool usesChartTabP = true; // tab 3 and tvwTreeschedule(0); else tab 0 and index 1
    QString chartTabPCaption;  // caption of tab 3
    EditionLogo logo = EditionLogo::Designed;
    QString lblsearchlaw0;
    QString lblsearchlaw1;
    QString lblsearch1;
    QString lblsearchschedule0;
    QString lblsearchschedule1;
    QString txtsearchSchedule0ToolTip;
    int chartSearchBox = 0; // txtsearchSchedule index focused on the chart tab
};

Edition editionFor(const QString& applicationTitle);

// Tab captions and the designed texts of the search boxes.
inline const QString kCaptionTopics = QStringLiteral("Θέματα");
inline const QString kCaptionLaws = QStringLiteral("Νομοθετήματα");
inline const QString kCaptionChart = QStringLiteral("Οργανόγραμμα");
inline const QString kCaptionDocumentsGuide = QStringLiteral("Οδηγός Εγγράφων");
inline const QString kCaptionHistory = QStringLiteral("Ιστορικό");

bool isChartCaption(const QString& caption);

} // namespace lexora::windows
