#pragma once

namespace quarvex::shell {

// The main window's "&Color Background": horizontal bands of pure blue, dark at the top and
// bright at the bottom.
struct GradientBands {
    int count = 256; // 128 on a display of 256 colours or fewer
    int step = 1;    // the blue added from one band to the next, at least 1
};

GradientBands GradientFor(bool paletteDisplay);

// The band of a pixel row: floor(count * (height - y) / height), at most count - 1, so band
// numbers fall from top to bottom. Rows of a window of no height are band 0.
int BandOfRow(int y, int height, const GradientBands& bands);

// The blue level of a band: 255 at band 0 (the bottom), one step less for each band above;
// the top band has 255 - (count - 1) * step.
int BlueOfBand(int band, const GradientBands& bands);

} // namespace quarvex::shell
