// Fuzz target of the RTF reader: any bytes, read into a document whose text
// and layout are then taken, as the document boxes show them.
#include "platform/richtext/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)lexora::richtext::RtfReader::looksLikeRtf(bytes);
    const std::unique_ptr<QTextDocument> document = lexora::richtext::RtfReader::read(bytes);
    if (document) {
        (void)document->toPlainText();
        document->setTextWidth(400);
        (void)document->size();
    }
    return 0;
}
