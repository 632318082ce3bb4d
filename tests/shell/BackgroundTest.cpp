#include "shell/Background.h"

#include <gtest/gtest.h>

namespace quarvex::shell {
namespace {

TEST(Background, BandsAndStep) {
    EXPECT_EQ(GradientFor(false).count, 256);
    EXPECT_EQ(GradientFor(false).step, 1);
    EXPECT_EQ(GradientFor(true).count, 128);
    EXPECT_EQ(GradientFor(true).step, 2);
}

TEST(Background, DarkAtTheTopBrightAtTheBottom) {
    const GradientBands bands = GradientFor(false);
    const int height = 502;
    EXPECT_EQ(BandOfRow(0, height, bands), 255) << "the top row is clamped to the last band";
    EXPECT_EQ(BandOfRow(height - 1, height, bands), 0);
    EXPECT_EQ(BandOfRow(251, height, bands), 128); // floor(256 * 251 / 502)
    EXPECT_EQ(BlueOfBand(BandOfRow(0, height, bands), bands), 0);
    EXPECT_EQ(BlueOfBand(BandOfRow(height - 1, height, bands), bands), 255);
    for (int y = 1; y < height; ++y) {
        EXPECT_LE(BandOfRow(y, height, bands), BandOfRow(y - 1, height, bands)) << "row " << y;
    }

    const GradientBands palette = GradientFor(true);
    EXPECT_EQ(BlueOfBand(palette.count - 1, palette), 255 - 127 * 2);
    EXPECT_EQ(BlueOfBand(0, palette), 255);
}

TEST(Background, NoHeightIsBandZero) {
    EXPECT_EQ(BandOfRow(0, 0, GradientFor(false)), 0);
}

} // namespace
} // namespace quarvex::shell
