// The state that a document and every handle into it share: the libxml2
// tree, the document's address, a structure generation that tells element
// handles whether their node still exists, and the change observer (the view
// that renders the document) with its batching. Internal to the pages library.
#pragma once

#include "platform/pageview/HtmlMarkup.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace lexora::pages::detail {

struct DocumentData {
    markup::XmlDocPtr doc;
    QString url;
    std::uint64_t generation = 0;
    std::function<void(bool structural)> observer;
    int batchDepth = 0;
    bool pending = false;
    bool pendingStructural = false;

    // Called after every change; the observer runs at once, or once when the
    // outermost batch ends.
    void changed(bool structural) {
        if (structural)
            ++generation;
        if (batchDepth > 0) {
            pending = true;
            pendingStructural = pendingStructural || structural;
            return;
        }
        if (observer)
            observer(structural);
    }
};

} // namespace lexora::pages::detail
