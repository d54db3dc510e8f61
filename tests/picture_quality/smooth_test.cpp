// SPDX-License-Identifier: MIT
// "Сглаживание": multisampled frames have pixels between a sloping line's
// colour and the background; frames without it have none.
#include "tests/picture_quality/frame_pictures.h"

#include "render/offscreen/picture_renderer.h"
#include "tools/render/offscreen_renderer.h"

#include <gtest/gtest.h>

namespace vestrel::test {
namespace {

// Pixels of a pure blue between black and full blue.
int partlyBlue(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) > 20 && qBlue(p) < 235)
                ++count;
        }
    return count;
}

TEST(SmoothPicture, SlopingLinesGetInBetweenPixels)
{
    {
        OffscreenRenderer probe(QSize(16, 16), SmoothSamples);
        ASSERT_TRUE(probe.isValid());
        if (probe.samples() == 0)
            GTEST_SKIP() << "this OpenGL context has no multisampling";
    }
    // The blue axes OX and OY run across the picture at a slant.
    FrameInputs in;
    in.axisOX = in.axisOY = true;
    const QImage plain = RenderFrame(in);
    const QImage smooth = RenderFrame(in, ProbeSize, SmoothSamples);
    ASSERT_FALSE(plain.isNull() || smooth.isNull());
    EXPECT_EQ(partlyBlue(plain), 0);
    EXPECT_GT(partlyBlue(smooth), 100);
    // The same lines in the same places.
    EXPECT_LT(MeanDifference(plain, smooth), 2.0);
}

} // namespace
} // namespace vestrel::test
