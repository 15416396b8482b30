// The page viewer: navigation to about:blank and to files, the events and
// their order, Refresh, link clicks with BeforeNavigate2 and its cancel flag,
// and local-only resources.
#include "platform/pageview/PageViewer.h"
#include "platform/pageview/HtmlDocument.h"
#include "platform/pageview/PageError.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

using namespace lexora::pages;

namespace {

class PageViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QObject::connect(&viewer, &PageViewer::BeforeNavigate2,
                         [this](const QString& a, bool& cancel) {
                             events << QStringLiteral("before ") + a;
                             cancel = cancelNext;
                         });
        QObject::connect(&viewer, &PageViewer::NavigateComplete2,
                         [this](const QString& a) { events << QStringLiteral("navigated ") + a; });
        QObject::connect(&viewer, &PageViewer::DocumentComplete,
                         [this](const QString& a) { events << QStringLiteral("complete ") + a; });
    }

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString shownText() const { return viewer.view()->toPlainText(); }

    QTemporaryDir folder;
    PageViewer viewer;
    QStringList events;
    bool cancelNext = false;
};

} // namespace

TEST_F(PageViewerTest, HasNoDocumentBeforeItsFirstNavigation) {
    EXPECT_FALSE(viewer.hasDocument());
    EXPECT_THROW(viewer.Document(), PageError);
}

TEST_F(PageViewerTest, AboutBlankGivesAnEmptyDocumentAndRaisesTheEventsInOrder) {
    viewer.Navigate(QStringLiteral("about:blank"));
    EXPECT_EQ(events,
              (QStringList{"before about:blank", "navigated about:blank", "complete about:blank"}));
    EXPECT_EQ(viewer.LocationURL(), QStringLiteral("about:blank"));
    EXPECT_TRUE(viewer.Document().body().innerHTML().isEmpty());
    EXPECT_TRUE(shownText().isEmpty());
}

TEST_F(PageViewerTest, WrittenBodyIsShownAtOnce) {
    viewer.Navigate2(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(QStringLiteral("<h1>Τίτλος<p>Κείμενο"));
    EXPECT_EQ(shownText(), QStringLiteral("Τίτλος\nΚείμενο"));
}

TEST_F(PageViewerTest, LoadsAFileGivenByPathOrFileAddress) {
    const QString path = writeFile(
        QStringLiteral("help/σελίδα.html"),
        QStringLiteral("<html><body><h1>Βοήθεια</h1><p>Πρώτη παράγραφος</body></html>").toUtf8());
    const QString fileUrl = QUrl::fromLocalFile(path).toString();
    const QString addresses[] = {path, QStringLiteral("file:") + path, fileUrl};
    for (const QString& address : addresses) {
        SCOPED_TRACE(address.toStdString());
        events.clear();
        viewer.Navigate(address);
        EXPECT_EQ(events, (QStringList{"before " + address, "navigated " + fileUrl,
                                       "complete " + fileUrl}));
        EXPECT_EQ(viewer.LocationURL(), fileUrl);
        EXPECT_EQ(viewer.Document().All().tags(QStringLiteral("h1")).item(0).innerText(),
                  QStringLiteral("Βοήθεια"));
        EXPECT_EQ(shownText(), QStringLiteral("Βοήθεια\nΠρώτη παράγραφος"));
    }
}

TEST_F(PageViewerTest, AFileThatCannotBeReadShowsTheErrorPage) {
    const QString missing = folder.filePath(QStringLiteral("help/LawInfo.htm"));
    viewer.Navigate(missing);
    EXPECT_EQ(viewer.LocationURL(), QUrl::fromLocalFile(missing).toString());
    EXPECT_TRUE(shownText().contains(QStringLiteral("Η σελίδα δεν μπορεί να εμφανιστεί")));
    EXPECT_TRUE(shownText().contains(missing));
    EXPECT_EQ(events.size(), 3);
}

TEST_F(PageViewerTest, ACancelledNavigationKeepsTheDocument) {
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(QStringLiteral("<p>μένει</p>"));
    events.clear();
    cancelNext = true;
    viewer.Navigate(writeFile(QStringLiteral("other.html"), "<p>other"));
    EXPECT_EQ(events.size(), 1);
    EXPECT_EQ(viewer.LocationURL(), QStringLiteral("about:blank"));
    EXPECT_EQ(viewer.Document().body().innerHTML(), QStringLiteral("<p>μένει</p>"));
}

TEST_F(PageViewerTest, RefreshReloadsTheAddressAndLosesWhatWasWritten) {
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(QStringLiteral("<p>γραμμένη σελίδα</p>"));
    events.clear();
    viewer.Refresh();
    EXPECT_TRUE(viewer.Document().body().innerHTML().isEmpty());
    EXPECT_TRUE(shownText().isEmpty());
    EXPECT_EQ(events, (QStringList{"navigated about:blank", "complete about:blank"}));

    const QString path = writeFile(QStringLiteral("page.html"), "<p>from the file");
    viewer.Navigate(path);
    viewer.Document().body().setInnerHTML(QStringLiteral("<p>written</p>"));
    viewer.Refresh();
    EXPECT_EQ(viewer.Document().body().innerHTML(), QStringLiteral("<p>from the file</p>"));
}

TEST_F(PageViewerTest, ClickOnAnActLinkReportsTheDocumentAddressWithTheFragment) {
    viewer.resize(400, 300);
    viewer.show();
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(
        QStringLiteral("<p>Σχετικό: <a href =#42 id = 42>Νόμος 42/2001</a></p>"));
    events.clear();
    cancelNext = true;

    QTextCursor cursor = viewer.view()->document()->find(QStringLiteral("42/2001"));
    ASSERT_FALSE(cursor.isNull());
    cursor.setPosition(cursor.selectionStart() + 2);
    const QPoint point = viewer.view()->cursorRect(cursor).center();
    QTest::mouseClick(viewer.view()->viewport(), Qt::LeftButton, {}, point);

    EXPECT_EQ(events, QStringList{"before about:blank#42"});
    EXPECT_EQ(viewer.LocationURL(), QStringLiteral("about:blank"));
    EXPECT_EQ(viewer.Document().body().innerHTML(),
              QStringLiteral("<p>Σχετικό: <a href=\"#42\" id=\"42\">Νόμος 42/2001</a></p>"));
}

TEST_F(PageViewerTest, LinkAddressesAreResolvedAgainstTheDocument) {
    const QString page = writeFile(QStringLiteral("help/page.html"), "<p>page");
    const QString pageUrl = QUrl::fromLocalFile(page).toString();
    const struct {
        const char* what;
        QString document;
        QString href;
        QString reported;
    } cases[] = {
        {"act link in a written page", QStringLiteral("about:blank"), "#42", "about:blank#42"},
        {"stored act link", QStringLiteral("about:blank"), "#f12", "about:blank#f12"},
        {"act link in a file", page, "#7", pageUrl + "#7"},
        {"relative file", page, "other.htm",
         QUrl::fromLocalFile(folder.filePath(QStringLiteral("help/other.htm"))).toString()},
        {"web address", page, "http://example.org/x", "http://example.org/x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cancelNext = false;
        viewer.Navigate(c.document);
        events.clear();
        cancelNext = true;
        viewer.activateLink(c.href);
        EXPECT_EQ(events, QStringList{"before " + c.reported});
    }
}

TEST_F(PageViewerTest, AnUncancelledFragmentLinkStaysInTheWrittenPage) {
    viewer.Navigate(QStringLiteral("about:blank"));
    const QString written =
        QStringLiteral("<p><a href=\"#2\" id=\"1\">a</a><a href=\"#1\" id=\"2\">b</a></p>");
    viewer.Document().body().setInnerHTML(written);
    events.clear();
    viewer.activateLink(QStringLiteral("#2"));
    viewer.activateLink(QStringLiteral("#1"));
    // The second link reports the document's address, not the first link's.
    EXPECT_EQ(events, (QStringList{"before about:blank#2", "navigated about:blank#2",
                                   "complete about:blank#2", "before about:blank#1",
                                   "navigated about:blank#1", "complete about:blank#1"}));
    EXPECT_EQ(viewer.Document().body().innerHTML(), written);
}

TEST_F(PageViewerTest, AnUncancelledLinkToALocalFileLoadsIt) {
    const QString page = writeFile(QStringLiteral("a.html"), "<a href=b.html>next</a>");
    writeFile(QStringLiteral("b.html"), "<p>second page");
    viewer.Navigate(page);
    viewer.activateLink(QStringLiteral("b.html"));
    EXPECT_EQ(viewer.LocationURL(), QUrl::fromLocalFile(folder.filePath("b.html")).toString());
    EXPECT_EQ(shownText(), QStringLiteral("second page"));
}

TEST_F(PageViewerTest, AWebLinkIsReportedButNotFollowed) {
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(QStringLiteral("<p>stays</p>"));
    events.clear();
    viewer.activateLink(QStringLiteral("https://example.org/"));
    viewer.activateLink(QStringLiteral("javascript:alert(1)"));
    EXPECT_EQ(events, QStringList{"before https://example.org/"});
    EXPECT_EQ(shownText(), QStringLiteral("stays"));
}

TEST_F(PageViewerTest, ScriptsAreNotShown) {
    viewer.Navigate(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(
        QStringLiteral("<script>document.write('x')</script><p>text</p>"));
    EXPECT_EQ(shownText(), QStringLiteral("text"));
}

TEST_F(PageViewerTest, ImagesComeOnlyFromLocalFiles) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString imagePath = folder.filePath(QStringLiteral("help/x.png"));
    QDir().mkpath(folder.filePath(QStringLiteral("help")));
    ASSERT_TRUE(image.save(imagePath));
    const QString page = writeFile(QStringLiteral("page.html"), "<p>page");

    const struct {
        const char* what;
        QString document;
        QString source;
        bool loaded;
    } cases[] = {
        {"full path", QStringLiteral("about:blank"), imagePath, true},
        {"file address", QStringLiteral("about:blank"), QUrl::fromLocalFile(imagePath).toString(),
         true},
        {"relative to the page's file", page, QStringLiteral("help/x.png"), true},
        {"backslashes", page, QStringLiteral("help\\x.png"), true},
        {"relative in a written page", QStringLiteral("about:blank"), QStringLiteral("help/x.png"),
         false},
        {"web address", QStringLiteral("about:blank"), QStringLiteral("http://127.0.0.1:9/x.png"),
         false},
        {"missing file", QStringLiteral("about:blank"), folder.filePath(QStringLiteral("y.png")),
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        viewer.Navigate(c.document);
        viewer.Document().body().setInnerHTML(QStringLiteral("<img src='%1'>").arg(c.source));
        const QVariant resource =
            viewer.view()->document()->resource(QTextDocument::ImageResource, QUrl(c.source));
        // The view keeps an image it decoded in place of the file's bytes.
        const bool loaded = resource.canConvert<QImage>()
                                ? !qvariant_cast<QImage>(resource).isNull()
                                : !resource.toByteArray().isEmpty();
        EXPECT_EQ(loaded, c.loaded);
    }
}

TEST_F(PageViewerTest, RaisesGotFocusWhenTheViewGetsTheFocus) {
    int focused = 0;
    QObject::connect(&viewer, &PageViewer::GotFocus, [&] { ++focused; });
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(viewer.view(), &focusIn);
    EXPECT_EQ(focused, 1);
}

TEST_F(PageViewerTest, DeeplyNestedTablesDisplayInBoundedTime) {
    // Thirty tables, each in the only cell of the one around it.
    constexpr int levels = 30;
    QString page;
    for (int i = 1; i <= levels; ++i)
        page += QStringLiteral("<table border=1><tr><td>επίπεδο %1 ").arg(i);
    for (int i = 0; i < levels; ++i)
        page += QStringLiteral("</td></tr></table>");

    QElapsedTimer clock;
    clock.start();
    viewer.Navigate2(QStringLiteral("about:blank"));
    viewer.Document().body().setInnerHTML(page);
    QTextDocument* shown = viewer.view()->document();
    shown->setTextWidth(600);
    const QSizeF laidOut = shown->documentLayout()->documentSize(); // lays the page out
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_GT(laidOut.height(), 0);

    // Every level's text stays, in order; the deep levels are blocks.
    const QString text = shownText();
    qsizetype at = 0;
    for (int i = 1; i <= levels; ++i) {
        at = text.indexOf(QStringLiteral("επίπεδο %1 ").arg(i), at);
        EXPECT_GE(at, 0) << i;
    }
    // The page model itself keeps what was written.
    EXPECT_EQ(viewer.Document().All().tags(QStringLiteral("table")).Length(), levels);
}
