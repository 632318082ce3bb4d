#include "shell/Background.h"

#include <algorithm>
#include <cstdint>

namespace quarvex::shell {

GradientBands GradientFor(bool paletteDisplay) {
    GradientBands bands;
    bands.count = paletteDisplay ? 128 : 256;
    bands.step = std::max(1, 256 / bands.count);
    return bands;
}

int BandOfRow(int y, int height, const GradientBands& bands) {
    if (height <= 0 || bands.count <= 0) {
        return 0;
    }
    const std::int64_t band =
        static_cast<std::int64_t>(bands.count) * (height - y) / static_cast<std::int64_t>(height);
    return static_cast<int>(std::clamp<std::int64_t>(band, 0, bands.count - 1));
}

int BlueOfBand(int band, const GradientBands& bands) {
    return std::clamp(255 - band * bands.step, 0, 255);
}

} // namespace quarvex::shell
