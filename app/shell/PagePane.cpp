#include "app/shell/PagePane.h"

#include "platform/pageview/PageViewer.h"
#include "platform/richtext/DocumentBox.h"

namespace lexora::shell {

pages::PageViewer* PagePane::actViewer(Tab tab) const {
    switch (tab) {
    case Tab::Topics:
        return brwWebBrowser2;
    case Tab::Laws:
    case Tab::History:
        return brwWebBrowser3;
    case Tab::ChartN:
    case Tab::ChartP:
        break;
    }
    return nullptr;
}

richtext::DocumentBox* PagePane::actDocumentBox(Tab tab) const {
    switch (tab) {
    case Tab::Topics:
        return rtbWordLawTopic;
    case Tab::Laws:
    case Tab::History:
        return rtbWordLaw;
    case Tab::ChartN:
    case Tab::ChartP:
        break;
    }
    return nullptr;
}

void PagePane::prepareActViewer(Tab tab) const {
    for (richtext::DocumentBox* box : {rtbWordLawTopic, rtbWordLaw}) {
        if (box) {
            box->hide();
            box->setEnabled(false);
        }
    }
    if (brwWebBrowserLawFile)
        brwWebBrowserLawFile->hide();
    if (pages::PageViewer* viewer = actViewer(tab))
        viewer->show();
}

} // namespace lexora::shell
