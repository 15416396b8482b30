// lexora --pdf LAW_ID FILE.pdf: writes the page of one act into a PDF file
// and ends, without a window or a display. Status 0 when the file was
// written; 1 when the act, the database or the file failed (a Greek sentence
// on standard error says which); 2 for an act id that is no number.
#pragma once

#include <QString>

#include <functional>

namespace lexora {

inline constexpr int kPdfFailed = 1;
inline constexpr int kPdfUsage = 2;

struct PdfRequest {
    QString lawId; // as typed
    QString path;
};

// Opens applicationFolder/edudata.mdb and writes the act's page; every
// failure is told through `error`, in Greek.
int RunPdfCommand(const PdfRequest& request, const QString& applicationFolder,
                  const std::function<void(const QString&)>& error);

} // namespace lexora
