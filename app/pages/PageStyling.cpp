// The page look: per tag kind, the inline properties and their values.
#include "app/pages/PageStyling.h"

#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageViewer.h"

#include <initializer_list>

namespace lexora::pages {

namespace {

struct Property {
    const char* name;
    const char* value;
};

struct TagLook {
    const char* tag;
    std::initializer_list<Property> properties;
};

// Font sizes are bare numbers, read as pixels; margin and line height are the
// integers 0 and 1.
const TagLook kLooks[] = {
    {"h1",
     {{"fontFamily", "Arial"},
      {"fontSize", "22"},
      {"color", "darkblue"},
      {"textAlign", "center"},
      {"backgroundColor", "#C0AAA3"}}},
    {"h2",
     {{"fontFamily", "Arial"},
      {"fontSize", "16"},
      {"color", "darkblue"},
      {"backgroundColor", "#D3C4BE"}}},
    {"h3",
     {{"fontFamily", "Arial"},
      {"fontSize", "10"},
      {"color", "brown"},
      {"fontStyle", "italic"},
      {"margin", "0"},
      {"lineHeight", "1"}}},
    {"h4", {{"fontFamily", "Arial"}, {"fontSize", "13"}, {"color", "black"}}},
    {"p", {{"fontFamily", "Arial"}, {"fontSize", "13"}, {"color", "black"}, {"lineHeight", "1"}}},
    {"a",
     {{"fontFamily", "Arial"},
      {"fontSize", "13"},
      {"color", "brown"},
      {"lineHeight", "1"},
      {"margin", "0"}}},
    // Stored texts also hold lists and tables; their items read like the
    // paragraphs around them instead of in the viewer's default face.
    {"li", {{"fontFamily", "Arial"}, {"fontSize", "13"}, {"color", "black"}, {"lineHeight", "1"}}},
    {"td", {{"fontFamily", "Arial"}, {"fontSize", "13"}, {"color", "black"}, {"lineHeight", "1"}}},
    {"th", {{"fontFamily", "Arial"}, {"fontSize", "13"}, {"color", "black"}, {"lineHeight", "1"}}},
};

} // namespace

void set_style(PageViewer& my_browser) {
    const HtmlDocument document = my_browser.Document();
    const HtmlDocument::UpdateBatch batch(document);
    const HtmlElementCollection all = document.All();
    for (const TagLook& look : kLooks) {
        const HtmlElementCollection elements = all.tags(QLatin1String(look.tag));
        for (int i = 0; i < elements.Length(); ++i) {
            HtmlStyle style = elements.item(i).Style();
            for (const Property& property : look.properties)
                style.set(QLatin1String(property.name), QLatin1String(property.value));
        }
    }
}

} // namespace lexora::pages
