// The registry of the attached-documents implementation, and the default one
// that shows nothing.
#include "app/pages/builders/AttachedDocuments.h"

namespace lexora::pages {

AttachedDocuments::~AttachedDocuments() = default;

namespace {

class NoDocuments final : public AttachedDocuments {
public:
    void ShowLawFile(shell::Panes&, startup::ProgramContext&, std::int32_t, bool) override {}
    void ShowScheduleDocument(shell::Panes&, startup::ProgramContext&, std::int32_t,
                              QString& page) override {
        page.clear();
    }
    QString WriteAbstractDocument(shell::Panes&, startup::ProgramContext&,
                                  const QString&) override {
        return {};
    }
    void ClearDocumentType() override {}
};

NoDocuments g_noDocuments;
AttachedDocuments* g_documents = nullptr;

} // namespace

AttachedDocuments& attachedDocuments() {
    return g_documents ? *g_documents : g_noDocuments;
}

void setAttachedDocuments(AttachedDocuments* documents) {
    g_documents = documents;
}

} // namespace lexora::pages
