// Decoding the act id of a link address, and moving a page's images to the
// help folder.
#include "app/pages/builders/LinkNavigation.h"

#include <QDir>

#include <gtest/gtest.h>

using lexora::pages::decodeLinkAddress;
using lexora::pages::RedirectImages;

namespace {

struct AddressCase {
    const char* address;
    std::optional<std::int32_t> id;
};

TEST(LinkAddressTest, DecodesTheActId) {
    const AddressCase cases[] = {
        {"about:blank#12", 12},
        {"about:blank#f12", 12},
        {"file:///opt/lexora/help/x.html#f7", 7},
        {"about:blank#abc", 0},
        {"about:blank#", 0},
        {"about:blank#12abc", 12},
        {"about:blank#99999999999", 0}, // beyond a 32-bit id
        {"about:blank", std::nullopt},
        {"http://example.org/page", std::nullopt},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(decodeLinkAddress(QString::fromUtf8(c.address)), c.id);
    }
}

struct ImageCase {
    const char* name;
    const char* html;
    const char* expected; // %H stands for the help folder with its separator
};

TEST(RedirectImagesTest, TakesEveryImageFromTheHelpFolder) {
    const ImageCase cases[] = {
        {"no image", "<p>κείμενο</p>", "<p>κείμενο</p>"},
        {"single quotes, forward slashes", "<img src='images/x.gif' alt=''>",
         "<img src='%Hx.gif' alt=''>"},
        {"double quotes, backslashes", "<img src=\"C:\\data\\pic.png\">",
         "<img src=\"%Hpic.png\">"},
        {"bare file name, blanks trimmed", "<img src=\" school.gif \">",
         "<img src=\"%Hschool.gif\">"},
        {"mixed separators: the later one wins", "<img src='a\\b/c.gif'>", "<img src='%Hc.gif'>"},
        {"two images", "<img src='a/1.png'><p>x</p><img alt=\"y\" src=\"b\\2.png\">",
         "<img src='%H1.png'><p>x</p><img alt=\"y\" src=\"%H2.png\">"},
        {"upper-case tag and attribute left alone", "<IMG src='a/x.gif'><img SRC='a/y.gif'>",
         "<IMG src='a/x.gif'><img SRC='a/y.gif'>"},
        {"an image without src ends the scan", "<img alt='x'><p>x</p>", "<img alt='x'><p>x</p>"},
        {"src= at the very end", "<img src=", "<img src="},
        {"no closing quote", "<img src='a/x.gif>", "<img src='a/x.gif>"},
        {"empty source left alone", "<img src=''><img src='a/z.gif'>",
         "<img src=''><img src='%Hz.gif'>"},
    };
    const QString help = QStringLiteral("/opt/lexora") + QDir::separator() +
                         QStringLiteral("help") + QDir::separator();
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString expected = QString::fromUtf8(c.expected).replace(QStringLiteral("%H"), help);
        EXPECT_EQ(RedirectImages(QString::fromUtf8(c.html), QStringLiteral("/opt/lexora")),
                  expected);
    }
}

TEST(RedirectImagesTest, ImageSourceAlreadyInTheHelpFolderStaysThere) {
    const QString once =
        RedirectImages(QStringLiteral("<img src='images/x.gif'>"), QStringLiteral("/opt/lexora"));
    EXPECT_EQ(RedirectImages(once, QStringLiteral("/opt/lexora")), once);
}

} // namespace
