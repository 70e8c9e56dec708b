#include "platform/graphics/BoxBlur.h"

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fv {
namespace {

// Division by the box width as a multiply and a shift: exact for every sum a line can reach.
struct BoxDivisor {
    explicit BoxDivisor(int window)
        : multiplier(((std::uint64_t{1} << 32) + static_cast<std::uint64_t>(window) - 1) /
                     static_cast<std::uint64_t>(window)) {}
    unsigned char operator()(std::uint32_t sum) const {
        return static_cast<unsigned char>((sum * multiplier) >> 32);
    }
    std::uint64_t multiplier;
};

// Division by box widths up to 129 for sums kept in 16 bits, as a multiply-high and a shift; exact
// for every sum a line can reach (255 times the width), and eight to a vector instruction.
struct ShortBoxDivisor {
    static constexpr int kWidestWindow = 129;
    explicit ShortBoxDivisor(int window) {
        while ((2 << shift) <= window) ++shift;  // 2^shift <= window < 2^(shift + 1)
        multiplier = static_cast<std::uint16_t>(
            ((std::uint32_t{1} << (16 + shift)) + static_cast<std::uint32_t>(window) - 1) /
            static_cast<std::uint32_t>(window));
    }
    unsigned char operator()(std::uint16_t sum) const {
        return static_cast<unsigned char>(((std::uint32_t{sum} * multiplier) >> 16) >> shift);
    }
    std::uint16_t multiplier = 0;
    int shift = 0;
};

// Running-sum box blur of one row of alpha values; out-of-range samples count as transparent. The
// loop is split where the window's edges enter and leave the row, so that the middle has no tests.
void blurRow(unsigned char* p, int n, int r, const BoxDivisor& divide, std::vector<unsigned char>& line) {
    std::copy(p, p + n, line.begin());
    const unsigned char* in = line.data();
    std::uint32_t sum = 0;
    for (int i = 0; i <= std::min(r, n - 1); ++i) sum += in[i];
    const int enter = std::max(0, n - r - 1), leave = std::min(r, n);
    int i = 0;
    for (; i < std::min(enter, leave); ++i) {
        p[i] = divide(sum);
        sum += in[i + r + 1];
    }
    for (; i < leave; ++i) p[i] = divide(sum);
    for (; i < enter; ++i) {
        p[i] = divide(sum);
        sum += in[i + r + 1];
        sum -= in[i - r];
    }
    for (; i < n; ++i) {
        p[i] = divide(sum);
        sum -= in[i - r];
    }
}

// One row of the column pass: the divided sums out, then the window a row down. The rows and the sums
// never overlap, which lets the compiler work on many columns at once.
template <typename Sum, typename Divide>
void columnStep(unsigned char* __restrict out, Sum* __restrict sums, const unsigned char* __restrict enter,
                const unsigned char* __restrict leave, int w, const Divide& divide) {
    if (enter && leave) {
        for (int x = 0; x < w; ++x) {
            out[x] = divide(sums[x]);
            sums[x] = static_cast<Sum>(sums[x] + enter[x] - leave[x]);
        }
    } else if (enter) {
        for (int x = 0; x < w; ++x) {
            out[x] = divide(sums[x]);
            sums[x] = static_cast<Sum>(sums[x] + enter[x]);
        }
    } else if (leave) {
        for (int x = 0; x < w; ++x) {
            out[x] = divide(sums[x]);
            sums[x] = static_cast<Sum>(sums[x] - leave[x]);
        }
    } else {
        for (int x = 0; x < w; ++x) out[x] = divide(sums[x]);
    }
}

// The same down the columns, a whole row at a time so that memory is read in order.
template <typename Sum, typename Divide>
void blurColumns(unsigned char* data, int w, int h, int stride, int r, const Divide& divide,
                 std::vector<unsigned char>& copy, std::vector<Sum>& sums) {
    const auto row = [&](unsigned char* base, int y) {
        return base + static_cast<std::ptrdiff_t>(y) * stride;
    };
    std::copy(data, row(data, h), copy.begin());
    Sum* __restrict s = sums.data();
    std::fill(s, s + w, Sum{0});
    for (int y = 0; y <= std::min(r, h - 1); ++y) {
        const unsigned char* __restrict in = row(copy.data(), y);
        for (int x = 0; x < w; ++x) s[x] = static_cast<Sum>(s[x] + in[x]);
    }
    for (int y = 0; y < h; ++y)
        columnStep(row(data, y), s, y + r + 1 < h ? row(copy.data(), y + r + 1) : nullptr,
                   y - r >= 0 ? row(copy.data(), y - r) : nullptr, w, divide);
}

// Three box passes approximate a Gaussian of about the given radius.
template <typename Sum, typename Divide>
void blurPasses(unsigned char* data, int w, int h, int stride, int radius, const Divide& divideColumns) {
    const BoxDivisor divide(2 * radius + 1);
    std::vector<unsigned char> line(static_cast<std::size_t>(w));
    std::vector<unsigned char> copy(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h));
    std::vector<Sum> sums(static_cast<std::size_t>(w));
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            blurRow(data + static_cast<std::ptrdiff_t>(y) * stride, w, radius, divide, line);
        blurColumns(data, w, h, stride, radius, divideColumns, copy, sums);
    }
}

}  // namespace

void blurAlpha(cairo_surface_t* surface, int radius) {
    if (radius <= 0) return;
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int window = 2 * radius + 1;
    if (window <= ShortBoxDivisor::kWidestWindow)
        blurPasses<std::uint16_t>(data, w, h, stride, radius, ShortBoxDivisor(window));
    else
        blurPasses<std::uint32_t>(data, w, h, stride, radius, BoxDivisor(window));
    cairo_surface_mark_dirty(surface);
}

}  // namespace fv
