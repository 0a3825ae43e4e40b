// The panel button's three looks, rendered and read back pixel by pixel.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "gui/model/ArtworkLayout.h"
#include "gui/qt/widgets/CXPButton.h"

namespace tolvane::gui {
namespace {

constexpr int kSize = 50;

QImage Render(CXPButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the caption region that are nearly this colour.
int CaptionPixelsNear(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 15; y < 35; ++y) {
        for (int x = 10; x < 40; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                30) {
                ++count;
            }
        }
    }
    return count;
}

class CXPButtonTest : public ::testing::Test {
  protected:
    CXPButtonTest() {
        button.resize(kSize, kSize);
        QFont font = button.font();
        font.setPixelSize(20);
        font.setBold(true);
        button.setFont(font);
        button.setText("WW");
        window.resize(2 * kSize, 2 * kSize);
        window.show();
    }
    QWidget window;
    CXPButton button{&window};
};

TEST(GradientFillTest, StepsFromTheFirstColourBeforeEachRow) {
    QImage image(10, kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    GradientFill(painter, image.rect(), CXPButton::kGradientLight, CXPButton::kGradientDark, kSize);
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 0), QColor(250, 253, 255));  // steps 5, 2 and 0
    EXPECT_EQ(image.pixelColor(5, kSize - 1), QColor(5, 155, 255));
    // Channels are bytes and wrap rather than stop.
    QImage wrap(1, 3, QImage::Format_RGB32);
    QPainter wrapPainter(&wrap);
    GradientFill(wrapPainter, wrap.rect(), QColor(10, 0, 0), QColor(0, 0, 0), 1);
    wrapPainter.end();
    EXPECT_EQ(wrap.pixelColor(0, 2), QColor(256 - 20, 0, 0));
}

// The dial's lighter segments are computed without Qt, for every front end: they stay within a
// rounding of Qt's own lighter colour.
TEST(ArtworkLayoutTest, LighterDialSegmentsMatchQtsLighterColour) {
    for (int segment = 0; segment < 6; ++segment) {
        const Rgb own = DialSegments()[static_cast<std::size_t>(segment)].colour;
        const QColor expected = QColor(own.red, own.green, own.blue).lighter(160);
        const Rgb fill = DialSegmentFill(segment, false);
        EXPECT_NEAR(fill.red, expected.red(), 2) << segment;
        EXPECT_NEAR(fill.green, expected.green(), 2) << segment;
        EXPECT_NEAR(fill.blue, expected.blue(), 2) << segment;
        EXPECT_EQ(DialSegmentFill(segment, true), own);
    }
}

TEST_F(CXPButtonTest, RestLookIsLightAboveDarkBelowWithBlackText) {
    const QImage image = Render(button);
    EXPECT_GT(image.pixelColor(25, 3).red(), 220);
    EXPECT_LT(image.pixelColor(25, kSize - 3).red(), 40);
    EXPECT_EQ(image.pixelColor(0, 25), CXPButton::kBorderColour);
    EXPECT_GT(CaptionPixelsNear(image, CXPButton::kTextColour), 20);
    EXPECT_EQ(CaptionPixelsNear(image, Qt::white), 0);
}

TEST_F(CXPButtonTest, HotLookHasTheOrangeRingAndWhiteText) {
    QTest::mouseMove(&button, QPoint(25, 25));
    ASSERT_TRUE(QTest::qWaitFor([&] { return button.IsHot(); }));
    const QImage image = Render(button);
    for (const int inset : {1, 2, 3}) {
        const QColor ring = image.pixelColor(inset, 25);
        EXPECT_EQ(ring.red(), 255) << inset;
        EXPECT_GT(ring.green(), 110) << inset;
        EXPECT_LT(ring.green(), 225) << inset;
    }
    EXPECT_LT(image.pixelColor(4, 25).red(), 200);  // the face starts inside the ring
    EXPECT_GT(CaptionPixelsNear(image, Qt::white), 20);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_FALSE(button.IsHot());
    const QImage pressed = Render(button);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_LT(pressed.pixelColor(25, 3).red(), 40);  // dark at the top
    EXPECT_GT(pressed.pixelColor(25, kSize - 3).red(), 220);
    EXPECT_NE(pressed.pixelColor(2, 25).red(), 255);  // no ring
    EXPECT_GT(CaptionPixelsNear(pressed, Qt::white), 20);
}

}  // namespace
}  // namespace tolvane::gui
