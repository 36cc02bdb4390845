#include "toolkit/pixel_image.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace startart {
namespace {

// The source pixels that make up one target pixel along one axis, and how
// much each of them counts; the weights add up to one.
struct Footprint {
    int first = 0;
    std::vector<float> weights;
};

// Shrinking averages every source pixel by the share of it that the target
// pixel covers; enlarging interpolates between the two nearest pixel centres.
std::vector<Footprint> Footprints(int sourceLength, int targetLength) {
    std::vector<Footprint> result(static_cast<std::size_t>(targetLength));
    const double scale = static_cast<double>(sourceLength) / targetLength;
    for (int t = 0; t < targetLength; ++t) {
        Footprint& f = result[static_cast<std::size_t>(t)];
        if (scale >= 1) {
            const double begin = t * scale;
            const double end = begin + scale;
            f.first = static_cast<int>(std::floor(begin));
            const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = f.first; s <= last; ++s) {
                const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
                f.weights.push_back(static_cast<float>(covered / scale));
            }
        } else {
            const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, sourceLength - 1.0);
            f.first = std::min(static_cast<int>(centre), std::max(0, sourceLength - 2));
            const auto right = static_cast<float>(centre - f.first);
            f.weights = sourceLength > 1 ? std::vector<float>{1 - right, right} : std::vector<float>{1};
        }
    }
    return result;
}

using Channels = std::array<float, 4>;

Channels Unpack(std::uint32_t pixel) {
    return {static_cast<float>(pixel >> 24), static_cast<float>((pixel >> 16) & 0xFF),
            static_cast<float>((pixel >> 8) & 0xFF), static_cast<float>(pixel & 0xFF)};
}

// The channels are sums of non-negative weights, so rounding half up is the
// nearest integer; it is far cheaper than std::lround in the inner loop.
std::uint32_t Pack(const Channels& c) {
    std::uint32_t pixel = 0;
    for (const float value : c) {
        pixel = (pixel << 8) | static_cast<std::uint32_t>(std::min(value, 255.0f) + 0.5f);
    }
    return pixel;
}

}  // namespace

PixelImage ScaledImage(const PixelImage& source, PixelSize target) {
    PixelImage result{target, std::vector<std::uint32_t>(static_cast<std::size_t>(target.width * target.height))};
    if (source.size.width <= 0 || source.size.height <= 0 || target.width <= 0 || target.height <= 0) {
        return result;
    }
    const std::vector<Footprint> columns = Footprints(source.size.width, target.width);
    const std::vector<Footprint> rows = Footprints(source.size.height, target.height);

    // Horizontal pass into floating-point rows, then the vertical pass.
    std::vector<Channels> wide(static_cast<std::size_t>(target.width * source.size.height));
    std::vector<Channels> sourceRow(static_cast<std::size_t>(source.size.width));
    for (int y = 0; y < source.size.height; ++y) {
        // Each source pixel is unpacked once, however many target pixels use it.
        for (int x = 0; x < source.size.width; ++x) {
            sourceRow[static_cast<std::size_t>(x)] = Unpack(source.At(x, y));
        }
        for (int x = 0; x < target.width; ++x) {
            const Footprint& f = columns[static_cast<std::size_t>(x)];
            Channels sum{};
            for (std::size_t i = 0; i < f.weights.size(); ++i) {
                const Channels& c = sourceRow[static_cast<std::size_t>(f.first) + i];
                for (std::size_t k = 0; k < 4; ++k) {
                    sum[k] += c[k] * f.weights[i];
                }
            }
            wide[static_cast<std::size_t>(y * target.width + x)] = sum;
        }
    }
    for (int y = 0; y < target.height; ++y) {
        const Footprint& f = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < target.width; ++x) {
            Channels sum{};
            for (std::size_t i = 0; i < f.weights.size(); ++i) {
                const Channels& c = wide[static_cast<std::size_t>((f.first + static_cast<int>(i)) * target.width + x)];
                for (std::size_t k = 0; k < 4; ++k) {
                    sum[k] += c[k] * f.weights[i];
                }
            }
            result.pixels[static_cast<std::size_t>(y * target.width + x)] = Pack(sum);
        }
    }
    return result;
}

PixelImage Backdrop(PixelSize size, std::uint32_t background, const PixelImage& picture) {
    PixelImage result{
        size, std::vector<std::uint32_t>(static_cast<std::size_t>(size.width * size.height), background | 0xFF000000u)};
    const int width = std::min(size.width, picture.size.width);
    const int height = std::min(size.height, picture.size.height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t over = picture.At(x, y);
            const std::uint32_t alpha = over >> 24;
            std::uint32_t& under = result.pixels[static_cast<std::size_t>(y * size.width + x)];
            if (alpha == 0xFF) {
                under = over;
                continue;
            }
            std::uint32_t blended = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t top = (over >> shift) & 0xFF;
                const std::uint32_t bottom = (under >> shift) & 0xFF;
                blended |= std::min<std::uint32_t>(255, top + (bottom * (255 - alpha) + 127) / 255) << shift;
            }
            under = blended;
        }
    }
    return result;
}

}  // namespace startart
