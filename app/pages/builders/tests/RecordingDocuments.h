// An attached-documents double that records the calls the page builders
// make and answers with the page and path a test sets.
#pragma once

#include "app/pages/builders/AttachedDocuments.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace testsupport {

class RecordingDocuments final : public lexora::pages::AttachedDocuments {
public:
    RecordingDocuments() { lexora::pages::setAttachedDocuments(this); }
    ~RecordingDocuments() override { lexora::pages::setAttachedDocuments(nullptr); }

    struct LawFileCall {
        std::int32_t id;
        bool hotBrowser;
    };
    void ShowLawFile(lexora::shell::Panes&, lexora::startup::ProgramContext&, std::int32_t LawId,
                     bool HotBrowser) override {
        lawFiles.push_back({LawId, HotBrowser});
    }
    void ShowScheduleDocument(lexora::shell::Panes&, lexora::startup::ProgramContext&,
                              std::int32_t id, QString& page) override {
        scheduleDocuments.push_back(id);
        page = notePage;
    }
    QString WriteAbstractDocument(lexora::shell::Panes&, lexora::startup::ProgramContext&,
                                  const QString& sql) override {
        abstractDocuments.push_back(sql);
        return abstractPath;
    }
    void ClearDocumentType() override { ++typeClears; }

    std::vector<LawFileCall> lawFiles;
    std::vector<std::int32_t> scheduleDocuments;
    std::vector<QString> abstractDocuments;
    int typeClears = 0;
    QString notePage;     // what ShowScheduleDocument gives
    QString abstractPath; // what WriteAbstractDocument gives
};

} // namespace testsupport
