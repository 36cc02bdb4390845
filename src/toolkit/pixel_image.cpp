#include "toolkit/pixel_image.h"

#include <algorithm>
#include <cmath>

namespace startart {
namespace {

// The source pixels that make up each target pixel along one axis, and how
// much each of them counts; the weights of one target pixel add up to one.
// All targets' weights lie in one array, the first target's first.
struct Footprints {
    struct Span {
        int first = 0;
        int count = 0;
        int weights = 0;
    };
    std::vector<Span> spans;
    std::vector<float> weights;
};

// Shrinking averages every source pixel by the share of it that the target
// pixel covers; enlarging interpolates between the two nearest pixel centres.
Footprints FootprintsOf(int sourceLength, int targetLength) {
    Footprints result;
    result.spans.reserve(static_cast<std::size_t>(targetLength));
    const double scale = static_cast<double>(sourceLength) / targetLength;
    for (int t = 0; t < targetLength; ++t) {
        Footprints::Span span{0, 0, static_cast<int>(result.weights.size())};
        if (scale >= 1) {
            const double begin = t * scale;
            const double end = begin + scale;
            span.first = static_cast<int>(std::floor(begin));
            const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int s = span.first; s <= last; ++s) {
                const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
                result.weights.push_back(static_cast<float>(covered / scale));
            }
        } else {
            const double centre = std::clamp((t + 0.5) * scale - 0.5, 0.0, sourceLength - 1.0);
            span.first = std::min(static_cast<int>(centre), std::max(0, sourceLength - 2));
            const auto right = static_cast<float>(centre - span.first);
            result.weights.push_back(sourceLength > 1 ? 1 - right : 1);
            if (sourceLength > 1) {
                result.weights.push_back(right);
            }
        }
        span.count = static_cast<int>(result.weights.size()) - span.weights;
        result.spans.push_back(span);
    }
    return result;
}

// A pixel's four channels, alpha first, as floats in one vector register:
// GCC and Clang work on all four at once, at every optimisation level, and
// with the same rounding as one channel at a time. The helpers that take or
// give one are always inlined: optimising for size, GCC leaves them as calls
// on i686, where a vector goes through memory, and the scaler then takes half
// as long again.
using Channels = float __attribute__((vector_size(16)));
using Bytes = std::int32_t __attribute__((vector_size(16)));

[[gnu::always_inline]] inline Channels Unpack(std::uint32_t pixel) {
    const Bytes bytes{static_cast<std::int32_t>(pixel >> 24), static_cast<std::int32_t>((pixel >> 16) & 0xFF),
                      static_cast<std::int32_t>((pixel >> 8) & 0xFF), static_cast<std::int32_t>(pixel & 0xFF)};
    return __builtin_convertvector(bytes, Channels);
}

// The channels are sums of non-negative weights, so rounding half up is the
// nearest integer; it is far cheaper than std::lround in the inner loop.
[[gnu::always_inline]] inline std::uint32_t Pack(Channels c) {
    const Channels most{255.0f, 255.0f, 255.0f, 255.0f};
    const Bytes bytes = __builtin_convertvector((c > most ? most : c) + 0.5f, Bytes);
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

// The sum of the pixels that a span covers, each times its weight, in the
// span's order; `tap(i)` gives the span's `i`-th pixel.
template <class Tap>
[[gnu::always_inline]] inline Channels WeightedSum(const Footprints::Span& span,
                                                   const std::vector<float>& weights,
                                                   Tap tap) {
    const float* weight = weights.data() + span.weights;
    // Enlarging, the common case for a title picture, always takes two.
    if (span.count == 2) {
        return tap(0) * weight[0] + tap(1) * weight[1];
    }
    Channels sum{};
    for (int i = 0; i < span.count; ++i) {
        sum += tap(i) * weight[i];
    }
    return sum;
}

bool IsOpaque(std::uint32_t pixel) {
    return pixel >= 0xFF000000u;
}

// A translucent pixel composited over an opaque one.
std::uint32_t Blended(std::uint32_t pixel, std::uint32_t under) {
    const std::uint32_t alpha = pixel >> 24;
    std::uint32_t flattened = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t top = (pixel >> shift) & 0xFF;
        const std::uint32_t bottom = (under >> shift) & 0xFF;
        flattened |= std::min<std::uint32_t>(255, top + (bottom * (255 - alpha) + 127) / 255) << shift;
    }
    return flattened;
}

// A pixel composited over an opaque one: an opaque pixel, the common case,
// stays as it is without a call.
[[gnu::always_inline]] inline std::uint32_t Flattened(std::uint32_t pixel, std::uint32_t under) {
    return IsOpaque(pixel) ? pixel : Blended(pixel, under);
}

// The horizontal pass, row by row as the vertical pass asks for them. The
// rows it asks for only move down, so that only the few rows that one target
// row needs are kept: the image is scaled inside the processor's caches.
class WideRows {
  public:
    WideRows(const PixelImage& source, const PixelRect& part, const Footprints& columns, std::size_t keep)
        : source_(source),
          part_(part),
          columns_(columns),
          width_(columns.spans.size()),
          keep_(keep),
          sourceRow_(static_cast<std::size_t>(part.width)),
          rows_(keep * width_) {}

    // Row `y` of the part scaled to the target's width.
    const Channels* Row(int y) {
        for (; next_ <= y; ++next_) {
            Scale(next_, Slot(next_));
        }
        return Slot(y);
    }

  private:
    Channels* Slot(int y) { return rows_.data() + static_cast<std::size_t>(y) % keep_ * width_; }

    void Scale(int y, Channels* out) {
        // Each source pixel is unpacked once, however many target pixels use it.
        for (int x = 0; x < part_.width; ++x) {
            sourceRow_[static_cast<std::size_t>(x)] = Unpack(source_.At(part_.left + x, part_.top + y));
        }
        for (const Footprints::Span& span : columns_.spans) {
            *out++ = WeightedSum(span, columns_.weights,
                                 [&](int i) { return sourceRow_[static_cast<std::size_t>(span.first + i)]; });
        }
    }

    const PixelImage& source_;
    PixelRect part_;
    const Footprints& columns_;
    std::size_t width_;
    std::size_t keep_;
    std::vector<Channels> sourceRow_;
    // `keep_` rows of the target's width, row y in slot y % keep_.
    std::vector<Channels> rows_;
    int next_ = 0;
};

}  // namespace

PixelImage ScaledImage(const PixelImage& source, PixelSize target) {
    return ScaledImage(source, PixelRect{0, 0, source.size.width, source.size.height}, target);
}

PixelImage ScaledImage(const PixelImage& source, const PixelRect& part, PixelSize target) {
    PixelImage result{target, std::vector<std::uint32_t>(static_cast<std::size_t>(target.width * target.height))};
    if (part.width <= 0 || part.height <= 0 || target.width <= 0 || target.height <= 0) {
        return result;
    }
    // Unscaled, as every part is at 96 dpi: the pixels as they are.
    if (part.width == target.width && part.height == target.height) {
        for (int y = 0; y < target.height; ++y) {
            const auto row = source.pixels.begin() + (part.top + y) * source.size.width + part.left;
            std::copy(row, row + target.width, result.pixels.begin() + y * target.width);
        }
        return result;
    }
    const Footprints columns = FootprintsOf(part.width, target.width);
    const Footprints rows = FootprintsOf(part.height, target.height);
    const auto width = static_cast<std::size_t>(target.width);
    const auto tallest = std::ranges::max(rows.spans, {}, &Footprints::Span::count).count;
    WideRows wide(source, part, columns, static_cast<std::size_t>(tallest));

    // Each target pixel sums the pixels above each other in the rows of the
    // horizontal pass that its row covers.
    std::vector<const Channels*> covered(static_cast<std::size_t>(tallest));
    for (int y = 0; y < target.height; ++y) {
        const Footprints::Span& span = rows.spans[static_cast<std::size_t>(y)];
        for (int i = 0; i < span.count; ++i) {
            covered[static_cast<std::size_t>(i)] = wide.Row(span.first + i);
        }
        std::uint32_t* out = result.pixels.data() + static_cast<std::size_t>(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            out[x] =
                Pack(WeightedSum(span, rows.weights, [&](int i) { return covered[static_cast<std::size_t>(i)][x]; }));
        }
    }
    return result;
}

void Flatten(PixelImage& picture, std::uint32_t background) {
    const std::uint32_t under = background | 0xFF000000u;
    // Most pictures are opaque throughout: finding that out only reads them.
    const auto first = std::ranges::find_if(picture.pixels, [](std::uint32_t pixel) { return !IsOpaque(pixel); });
    std::for_each(first, picture.pixels.end(), [under](std::uint32_t& pixel) { pixel = Flattened(pixel, under); });
}

PixelImage Backdrop(PixelSize size, std::uint32_t background, const PixelImage& picture) {
    PixelImage result{
        size, std::vector<std::uint32_t>(static_cast<std::size_t>(size.width * size.height), background | 0xFF000000u)};
    Composite(result, picture, PixelPoint{});
    return result;
}

void Composite(PixelImage& under, const PixelImage& picture, PixelPoint at) {
    const int left = std::max(0, at.x);
    const int width = std::min(under.size.width, at.x + picture.size.width) - left;
    const int bottom = std::min(under.size.height, at.y + picture.size.height);
    for (int y = std::max(0, at.y); width > 0 && y < bottom; ++y) {
        const std::uint32_t* from =
            &picture.pixels[static_cast<std::size_t>((y - at.y) * picture.size.width + left - at.x)];
        std::uint32_t* to = &under.pixels[static_cast<std::size_t>(y * under.size.width + left)];
        for (int x = 0; x < width; ++x) {
            to[x] = Flattened(from[x], to[x]);
        }
    }
}

}  // namespace startart
