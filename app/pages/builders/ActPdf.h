// The page of one act written into a PDF file, as the legislation tab would
// show it and print it, without a window: for scripts and batch printing.
#pragma once

#include <QString>

#include <cstdint>

namespace engine {
class Connection;
}

namespace lexora::pages {

enum class ActPdfResult {
    Written,
    UnknownAct,     // no act with that id
    AttachmentOnly, // the act is an attached document, which is not written
    NotWritable,    // the file could not be written
};

// Images of the page are looked for in applicationFolder/help, as on screen.
// Throws engine::EngineError for a database error.
ActPdfResult SaveActAsPdf(engine::Connection& connection, const QString& applicationFolder,
                          std::int32_t lawId, const QString& path);

// The Greek sentence for a result other than Written.
QString actPdfMessage(ActPdfResult result, std::int32_t lawId, const QString& path);

} // namespace lexora::pages
