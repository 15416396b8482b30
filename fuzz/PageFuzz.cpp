// Fuzz target of the page model: the input is a stored page read as a file
// (its bytes) and, after the first NUL byte, a fragment written into its
// body as the page builders write stored HTML; then what the view renders,
// the image redirection of the written pages and the decoding of a link
// address taken from the input.
#include "app/pages/builders/LinkNavigation.h"
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlElement.h"
#include "platform/pageview/HtmlElementCollection.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexora::pages;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray file = split < 0 ? input : input.left(split);
    const QString fragment = split < 0 ? QString() : QString::fromUtf8(input.mid(split + 1));

    const HtmlDocument document =
        HtmlDocument::fromBytes(file, QStringLiteral("file:///tmp/BlobSubBody.html"));
    (void)document.renderableMarkup();
    const QString stored = fragment.isNull() ? QString::fromUtf8(file) : fragment;
    document.body().setInnerHTML(RedirectImages(stored, QStringLiteral("/opt/lexora")));
    for (const HtmlElement& element : document.All().tags(QStringLiteral("a")))
        (void)decodeLinkAddress(QStringLiteral("about:blank") +
                                element.attribute(QStringLiteral("href")));
    (void)document.body().innerHTML();
    (void)document.renderableMarkup();
    (void)decodeLinkAddress(stored.left(64));
    return 0;
}
