// The progress bar: percentage rounding and border rule, and what it paints
// (bar extent, text inverted under the bar, cleared between calls).
#include "controls/progress/Progress.h"
#include "controls/ControlFactory.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

using Dravik::Progress;

namespace {

const QRgb Blue = qRgb(0, 0, 128);
const QRgb White = qRgb(255, 255, 255);

constexpr int Width = 400;
constexpr int Height = 40;

QImage snapshot(Progress& progress) {
    return progress.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What the bar must look like: the text centred in blue on white, the
// columns [0, barColumns) inverted.
QImage expectedPicture(const Progress& progress, const QString& text, int barColumns) {
    const auto* surface = progress.findChild<QWidget*>(QStringLiteral("picStatus"));
    QImage image(progress.size(), QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    painter.setFont(surface->font());
    painter.setPen(QColor(Blue));
    const QFontMetrics metrics(surface->font());
    const int x =
        static_cast<int>(std::nearbyint((image.width() - metrics.horizontalAdvance(text)) / 2.0));
    const int y = static_cast<int>(std::nearbyint((image.height() - metrics.height()) / 2.0));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.end();
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < barColumns && column < image.width(); ++column) {
            image.setPixel(column, row, image.pixel(column, row) == White ? Blue : White);
        }
    }
    return image;
}

// The columns of the text, from the first to the last that holds a letter
// pixel in the rows where no bar can be (found on a drawing without a bar).
struct Span {
    int first = -1;
    int last = -1;
};

Span textColumns(const QImage& image, QRgb letter) {
    Span span;
    for (int column = 0; column < image.width(); ++column) {
        for (int row = 0; row < image.height(); ++row) {
            if (image.pixel(column, row) == letter) {
                if (span.first < 0) {
                    span.first = column;
                }
                span.last = column;
                break;
            }
        }
    }
    return span;
}

int countPixels(const QImage& image, int fromColumn, int toColumn, QRgb colour) {
    int count = 0;
    for (int column = fromColumn; column < toColumn; ++column) {
        for (int row = 0; row < image.height(); ++row) {
            count += image.pixel(column, row) == colour ? 1 : 0;
        }
    }
    return count;
}

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        progress.resize(Width, Height);
        progress.show(); // as when placed on a shown window
    }
    Progress progress;
};

struct PercentCase {
    float fraction;
    bool borderCase;
    int shown;
};

TEST(ProgressPercent, RoundsHalvesUpAndKeepsZeroAndHundredForTheBorderCase) {
    const PercentCase cases[] = {
        {0.0f, false, 1},          {0.0f, true, 0},     {0.004f, false, 1},
        {0.004f, true, 0},         {0.125f, false, 13}, {0.375f, false, 38},
        {0.5f, false, 50},         {0.45f, false, 45},  {0.005f, false, 1},
        {0.005f, true, 0},         {0.994f, false, 99}, {0.995f, false, 99},
        {0.995f, true, 100},       {1.0f, false, 99},   {1.0f, true, 100},
        {0.01f, false, 1},         {0.99f, false, 99},  {-0.5f, false, -50},
        {-0.5f, true, -50},        {1.5f, false, 150},  {327.67f, false, 32767},
        {-327.68f, false, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Progress::ShownPercent(c.fraction, c.borderCase), c.shown)
            << "fraction " << c.fraction << " border " << c.borderCase;
    }
}

TEST(ProgressPercent, PercentagesOutsideSixteenBitsOverflow) {
    for (float fraction : {327.68f, 400.0f, -327.7f, std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_THROW(Progress::ShownPercent(fraction), std::overflow_error) << fraction;
    }
}

TEST_F(ProgressTest, StartsWhiteAndSurfaceCoversTheControl) {
    const auto* surface = progress.findChild<QWidget*>(QStringLiteral("picStatus"));
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->geometry(), QRect(0, 0, Width, Height));
    const QImage image = snapshot(progress);
    EXPECT_EQ(countPixels(image, 0, Width, White), Width * Height);

    progress.resize(250, 30);
    EXPECT_EQ(surface->geometry(), QRect(0, 0, 250, 30));
}

TEST_F(ProgressTest, PaintsTheTextAndBarExactly) {
    struct Case {
        float fraction;
        bool borderCase;
        const char* text;
        int barColumns;
    };
    const Case cases[] = {
        {0.0f, false, "1%", 0},     {0.0f, true, "0%", 0},        {-0.5f, false, "-50%", 0},
        {0.25f, false, "25%", 100}, {1.0f, false, "99%", Width},  {1.0f, true, "100%", Width},
        {0.004f, false, "1%", 2},   {2.0f, false, "200%", Width}, {0.5f, false, "50%", Width / 2},
    };
    for (const auto& c : cases) {
        progress.UpdateStatus(c.fraction, c.borderCase);
        EXPECT_EQ(snapshot(progress),
                  expectedPicture(progress, QString::fromLatin1(c.text), c.barColumns))
            << "fraction " << c.fraction << " border " << c.borderCase;
    }
}

TEST_F(ProgressTest, BarEdgeThroughTheTextSplitsItsColours) {
    // First find where the text lies, with no bar.
    progress.UpdateStatus(0.0f, true);
    const Span text = textColumns(snapshot(progress), Blue);
    ASSERT_GE(text.first, 0);
    const int middle = (text.first + text.last) / 2;
    const float fraction = static_cast<float>(middle) / Width;

    progress.UpdateStatus(fraction, true);
    const QImage image = snapshot(progress);
    // Bar: blue above the text on the left of the edge, white on its right.
    EXPECT_EQ(image.pixel(1, 0), Blue);
    EXPECT_EQ(image.pixel(middle - 1, 0), Blue);
    EXPECT_EQ(image.pixel(middle + 1, 0), White);
    EXPECT_EQ(image.pixel(Width - 1, Height - 1), White);
    // Left of the edge the letters are white on blue, right of it blue on white.
    EXPECT_GT(countPixels(image, text.first, middle, White), 0);
    EXPECT_GT(countPixels(image, middle + 1, text.last + 1, Blue), 0);
    // Only the two colours appear.
    EXPECT_EQ(countPixels(image, 0, Width, White) + countPixels(image, 0, Width, Blue),
              Width * Height);
}

TEST_F(ProgressTest, EachCallRepaintsFromAClearedSurface) {
    progress.UpdateStatus(0.9f);
    progress.UpdateStatus(0.2f);
    const QImage image = snapshot(progress);
    EXPECT_EQ(image.pixel(79, 0), Blue);
    EXPECT_EQ(image.pixel(81, 0), White);
    EXPECT_EQ(image.pixel(Width - 5, 0), White);
}

TEST_F(ProgressTest, OverflowClearsTheSurfaceAndReachesTheCaller) {
    progress.UpdateStatus(0.75f);
    EXPECT_THROW(progress.UpdateStatus(500.0f), std::overflow_error);
    const QImage image = snapshot(progress);
    EXPECT_EQ(countPixels(image, 0, Width, White), Width * Height);
}

TEST_F(ProgressTest, ProcessesPendingEventsBeforeReturning) {
    bool ran = false;
    QTimer::singleShot(0, &progress, [&ran] { ran = true; });
    progress.UpdateStatus(0.3f);
    EXPECT_TRUE(ran);
}

TEST_F(ProgressTest, ResizeKeepsTheDrawingUntilTheNextCall) {
    progress.UpdateStatus(0.5f);
    progress.resize(Width * 2, Height);
    const QImage image = snapshot(progress);
    EXPECT_EQ(image.pixel(Width / 2 - 1, 0), Blue);
    EXPECT_EQ(image.pixel(Width + 10, 0), White);
    progress.UpdateStatus(0.5f);
    EXPECT_EQ(snapshot(progress).pixel(Width - 1, 0), Blue);
}

TEST(ProgressByName, CreatedByClassNameAndCalledByMethodName) {
    std::unique_ptr<QWidget> widget(
        Dravik::CreateControl(QStringLiteral("Dravik.Progress"), nullptr));
    ASSERT_NE(dynamic_cast<Progress*>(widget.get()), nullptr);
    EXPECT_EQ(Dravik::CreateControl(QStringLiteral("Dravik.Nothing"), nullptr), nullptr);
    EXPECT_TRUE(Dravik::ControlClassNames().contains(QStringLiteral("Dravik.Progress")));

    widget->resize(Width, Height);
    ASSERT_TRUE(QMetaObject::invokeMethod(widget.get(), "UpdateStatus", Q_ARG(float, 1.0f),
                                          Q_ARG(bool, true)));
    const QImage full = snapshot(*static_cast<Progress*>(widget.get()));
    EXPECT_EQ(full.pixel(Width - 1, Height - 1), Blue);
    ASSERT_TRUE(QMetaObject::invokeMethod(widget.get(), "UpdateStatus", Q_ARG(float, 0.0f)));
    EXPECT_EQ(snapshot(*static_cast<Progress*>(widget.get())).pixel(Width - 1, Height - 1), White);
}

} // namespace
