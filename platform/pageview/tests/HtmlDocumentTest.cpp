// The page model: lax markup through innerHTML, the element list by tag,
// inline style changes, stale handles, the encodings of stored pages and the
// parser memory a page keeps.
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/HtmlStyle.h"
#include "platform/pageview/PageError.h"

#include <QStringList>

#include <libxml/xmlmemory.h>

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

using namespace lexora::pages;

namespace {

QStringList texts(const HtmlElementCollection& elements) {
    QStringList result;
    for (const HtmlElement& element : elements)
        result << element.innerText();
    return result;
}

struct MarkupCase {
    const char* what;
    QString written;
    QString read;
};

} // namespace

TEST(HtmlDocument, InnerHtmlAcceptsLaxMarkupAndReadsItBackNormalised) {
    const MarkupCase cases[] = {
        {"unquoted values, blanks around =", QStringLiteral("<a href =#12 id = 12>Νόμος 12</a>"),
         QStringLiteral("<a href=\"#12\" id=\"12\">Νόμος 12</a>")},
        {"unclosed paragraphs", QStringLiteral("<p>a<p>b"), QStringLiteral("<p>a</p><p>b</p>")},
        {"upper-case tags", QStringLiteral("<H1>T</H1><P ALIGN=center>x"),
         QStringLiteral("<h1>T</h1><p align=\"center\">x</p>")},
        {"nothing", QString(), QString()},
        {"plain text", QStringLiteral("κείμενο"), QStringLiteral("κείμενο")},
        {"entities", QStringLiteral("a &amp; b &lt;c&gt;"), QStringLiteral("a &amp; b &lt;c&gt;")},
        {"stray end tags", QStringLiteral("x</td></body></html><p>after"),
         QStringLiteral("x<p>after</p>")},
        {"a stored page declaring another charset",
         QStringLiteral("<meta http-equiv=Content-Type content='text/html; charset=windows-1253'>"
                        "<p>Νόμος"),
         QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                        "charset=windows-1253\"><p>Νόμος</p>")},
        {"a whole page",
         QStringLiteral("<html><head><title>q</title></head><body><p>in</body></html>"),
         QStringLiteral("<title>q</title><p>in</p>")},
    };
    for (const MarkupCase& c : cases) {
        SCOPED_TRACE(c.what);
        HtmlDocument document = HtmlDocument::blank();
        document.body().setInnerHTML(c.written);
        EXPECT_EQ(document.body().innerHTML(), c.read);
        // What was read back is read back unchanged.
        document.body().setInnerHTML(c.read);
        EXPECT_EQ(document.body().innerHTML(), c.read);
    }
}

TEST(HtmlDocument, BlankDocumentHasAnEmptyBody) {
    const HtmlDocument document = HtmlDocument::blank();
    EXPECT_EQ(document.url(), QStringLiteral("about:blank"));
    EXPECT_TRUE(document.body().innerHTML().isEmpty());
    EXPECT_EQ(document.body().tagName(), QStringLiteral("body"));
}

TEST(HtmlDocument, TagsMatchWithoutCaseInDocumentOrder) {
    HtmlDocument document = HtmlDocument::blank();
    document.body().setInnerHTML(QStringLiteral(
        "<H1>a</H1><p>1<h1>b</h1><P>2</P><div><p>3</p><table><tr><td><p>4</table></div>"));
    const HtmlElementCollection all = document.All();
    EXPECT_EQ(texts(all.tags(QStringLiteral("h1"))), (QStringList{"a", "b"}));
    EXPECT_EQ(texts(all.tags(QStringLiteral("P"))), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(all.tags(QStringLiteral("h5")).Length(), 0);
    EXPECT_EQ(all.tags(QStringLiteral("body")).Length(), 1);

    const HtmlElementCollection paragraphs = all.tags(QStringLiteral("p"));
    EXPECT_EQ(paragraphs.item(3).innerText(), QStringLiteral("4"));
    EXPECT_THROW(paragraphs.item(4), PageError);
    EXPECT_THROW(paragraphs.item(-1), PageError);
}

TEST(HtmlStyle, SettingAPropertyReplacesItAndKeepsTheOthers) {
    struct Case {
        const char* what;
        QString style; // the element's style attribute before
        QString name;
        QString value;
        QString after;
    };
    const Case cases[] = {
        {"no style yet", QString(), "fontFamily", "Arial", "font-family: Arial"},
        {"replaces, keeps the rest", "color:red;text-indent:2em", "color", "black",
         "text-indent: 2em; color: black"},
        {"names without case", "COLOR: Red; Margin-Top: 4px", "color", "black",
         "margin-top: 4px; color: black"},
        {"style sheet name", "line-height: 3", "line-height", "1", "line-height: 1"},
        {"every copy of the property goes", "color: red; x-y: 1; color: blue", "color", "black",
         "x-y: 1; color: black"},
        {"after a shorthand, so it wins", "margin: 5px; font: italic 10pt Times", "fontSize", "13",
         "margin: 5px; font: italic 10pt Times; font-size: 13"},
        {"quoted and bracketed semicolons", "font-family: 'A;B'; background: url(a;b.png)",
         "backgroundColor", "#C0AAA3",
         "font-family: 'A;B'; background: url(a;b.png); background-color: #C0AAA3"},
        {"empty value removes", "color: red; margin: 0", "color", "", "margin: 0"},
        {"last property removed", "color: red", "color", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HtmlDocument document = HtmlDocument::blank();
        document.body().setInnerHTML(c.style.isNull()
                                         ? QStringLiteral("<p>x</p>")
                                         : QStringLiteral("<p style=\"%1\">x</p>").arg(c.style));
        HtmlStyle style = document.All().tags(QStringLiteral("p")).item(0).Style();
        style.set(c.name, c.value);
        EXPECT_EQ(style.cssText(), c.after);
        EXPECT_EQ(
            document.All().tags(QStringLiteral("p")).item(0).attribute(QStringLiteral("style")),
            c.after);
        // Setting the same value again changes nothing.
        style.set(c.name, c.value);
        EXPECT_EQ(style.cssText(), c.after);
    }
}

TEST(HtmlStyle, RefusesNamesAndValuesThatWouldBreakTheDeclarations) {
    HtmlDocument document = HtmlDocument::blank();
    document.body().setInnerHTML(QStringLiteral("<p style='color: red'>x</p>"));
    HtmlStyle style = document.All().tags(QStringLiteral("p")).item(0).Style();
    EXPECT_THROW(style.set(QStringLiteral("font family"), QStringLiteral("Arial")), PageError);
    EXPECT_THROW(style.set(QStringLiteral("color"), QStringLiteral("red; position: fixed")),
                 PageError);
    EXPECT_THROW(style.set(QStringLiteral("color"), QStringLiteral("red}p{color:blue")), PageError);
    EXPECT_EQ(style.cssText(), QStringLiteral("color: red"));
    style.set(QStringLiteral("margin"), 0);
    EXPECT_EQ(style.get(QStringLiteral("margin")), QStringLiteral("0"));
}

TEST(HtmlElement, HandlesGoStaleWhenTheirMarkupIsReplaced) {
    HtmlDocument document = HtmlDocument::blank();
    HtmlElement body = document.body();
    body.setInnerHTML(QStringLiteral("<p>old</p>"));
    const HtmlElement old = document.All().tags(QStringLiteral("p")).item(0);
    body.setInnerHTML(QStringLiteral("<p>new</p>"));
    EXPECT_THROW(old.Style().set(QStringLiteral("color"), QStringLiteral("red")), PageError);
    EXPECT_THROW((void)old.innerText(), PageError);
    // The body handle always names the current body.
    EXPECT_EQ(body.innerHTML(), QStringLiteral("<p>new</p>"));
    EXPECT_THROW((void)HtmlElement().tagName(), PageError);
}

TEST(HtmlDocument, BatchRefreshesOnceAtItsEnd) {
    HtmlDocument document = HtmlDocument::blank();
    QStringList calls;
    document.setChangeObserver(
        [&](bool structural) { calls << (structural ? QStringLiteral("markup") : "style"); });
    document.body().setInnerHTML(QStringLiteral("<p>a</p><p>b</p>"));
    EXPECT_EQ(calls, QStringList{"markup"});
    calls.clear();
    {
        const HtmlDocument::UpdateBatch batch(document);
        for (const HtmlElement& p : document.All().tags(QStringLiteral("p")))
            p.Style().set(QStringLiteral("color"), QStringLiteral("black"));
        EXPECT_TRUE(calls.isEmpty());
    }
    EXPECT_EQ(calls, QStringList{"style"});
}

TEST(HtmlDocument, StoredPagesAreReadInTheirEncoding) {
    const QString greek = QStringLiteral("Νόμος");
    const QByteArray greekBytes("\xCD\xFC\xEC\xEF\xF2"); // the same word in windows-1253
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8, undeclared", "<p>" + greek.toUtf8()},
        {"Greek code page, undeclared", "<p>" + greekBytes},
        {"Greek code page, declared",
         "<html><head><meta http-equiv=Content-Type content='text/html; charset=windows-1253'>"
         "</head><body><p>" +
             greekBytes},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF<p>" + greek.toUtf8()},
        {"unknown charset declared", "<meta charset=no-such-thing><p>" + greek.toUtf8()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const HtmlDocument document =
            HtmlDocument::fromBytes(c.bytes, QStringLiteral("file:///tmp/x.html"));
        EXPECT_EQ(document.All().tags(QStringLiteral("p")).item(0).innerText(), greek);
    }
    EXPECT_TRUE(HtmlDocument::fromBytes(QByteArray(), QStringLiteral("file:///e.html"))
                    .body()
                    .innerHTML()
                    .isEmpty());
}

namespace {

// Counts the blocks the XML library holds through its allocator while the
// object lives.
class ParserMemoryCount {
public:
    ParserMemoryCount() {
        xmlMemGet(&m_free, &m_malloc, &m_realloc, &m_strdup);
        xmlMemSetup(&release, &allocate, &reallocate, &duplicate);
    }
    ~ParserMemoryCount() { xmlMemSetup(m_free, m_malloc, m_realloc, m_strdup); }
    ParserMemoryCount(const ParserMemoryCount&) = delete;
    ParserMemoryCount& operator=(const ParserMemoryCount&) = delete;

    static long& live() {
        static long blocks = 0;
        return blocks;
    }

private:
    static void release(void* block) {
        if (block != nullptr)
            --live();
        std::free(block);
    }
    static void* allocate(size_t size) {
        ++live();
        return std::malloc(size);
    }
    static void* reallocate(void* block, size_t size) {
        if (block == nullptr)
            ++live();
        return std::realloc(block, size);
    }
    static char* duplicate(const char* text) {
        ++live();
        return strdup(text);
    }

    xmlFreeFunc m_free = nullptr;
    xmlMallocFunc m_malloc = nullptr;
    xmlReallocFunc m_realloc = nullptr;
    xmlStrdupFunc m_strdup = nullptr;
};

} // namespace

TEST(HtmlDocument, ReadingADeclaredGreekCodePageKeepsNoParserMemory) {
    // Attached pages from Greek word processors declare their code page.
    const ParserMemoryCount count;
    for (const char* charset : {"windows-1253", "iso-8859-7"}) {
        SCOPED_TRACE(charset);
        const QByteArray page = QByteArray("<html><head><meta http-equiv=Content-Type "
                                           "content='text/html; charset=") +
                                charset + "'></head><body><p>\xCD\xFC\xEC\xEF\xF2</p>";
        HtmlDocument::fromBytes(page, QStringLiteral("file:///tmp/x.html")); // warms up
        const long before = ParserMemoryCount::live();
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(HtmlDocument::fromBytes(page, QStringLiteral("file:///tmp/x.html"))
                          .All()
                          .tags(QStringLiteral("p"))
                          .item(0)
                          .innerText(),
                      QStringLiteral("Νόμος"));
        EXPECT_EQ(ParserMemoryCount::live(), before);
    }
}
