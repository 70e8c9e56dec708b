#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/graphics/BoxBlur.h"

namespace fv {
namespace {

using Mask = std::vector<std::vector<int>>;  // [y][x]

// One box pass along a line as written on paper: each output is its window's sum divided and rounded
// down, samples outside the line are zero.
std::vector<int> referenceLine(const std::vector<int>& in, int r) {
    const int n = static_cast<int>(in.size());
    std::vector<int> prefix(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + in[i];
    std::vector<int> out(in.size());
    for (int i = 0; i < n; ++i)
        out[i] = (prefix[std::min(n, i + r + 1)] - prefix[std::max(0, i - r)]) / (2 * r + 1);
    return out;
}

Mask referenceBlur(Mask m, int r) {
    const std::size_t h = m.size(), w = m[0].size();
    for (int pass = 0; pass < 3; ++pass) {
        for (auto& row : m) row = referenceLine(row, r);
        for (std::size_t x = 0; x < w; ++x) {
            std::vector<int> column(h);
            for (std::size_t y = 0; y < h; ++y) column[y] = m[y][x];
            column = referenceLine(column, r);
            for (std::size_t y = 0; y < h; ++y) m[y][x] = column[y];
        }
    }
    return m;
}

Mask blurred(const Mask& m, int r) {
    const int h = static_cast<int>(m.size()), w = static_cast<int>(m[0].size());
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) data[y * stride + x] = static_cast<unsigned char>(m[y][x]);
    cairo_surface_mark_dirty(s);
    blurAlpha(s, r);
    Mask out(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out[y][x] = data[y * stride + x];
    cairo_surface_destroy(s);
    return out;
}

struct BlurCase {
    int radius, width, height;
};

class BoxBlurMatchesTheDefinition : public ::testing::TestWithParam<BlurCase> {};

// Random alpha and opaque masks (the largest sums) over radii on both sides of the widest box
// the 16-bit sums serve, and masks narrower than the box.
TEST_P(BoxBlurMatchesTheDefinition, ForRandomAndOpaqueMasks) {
    const auto [r, w, h] = GetParam();
    std::mt19937 random(static_cast<unsigned>(r * 1000 + w));
    Mask noise(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w)));
    for (auto& row : noise)
        for (int& v : row) v = static_cast<int>(random() % 256);
    EXPECT_EQ(blurred(noise, r), referenceBlur(noise, r));
    Mask opaque(static_cast<std::size_t>(h), std::vector<int>(static_cast<std::size_t>(w), 255));
    EXPECT_EQ(blurred(opaque, r), referenceBlur(opaque, r));
    // One pixel short of opaque: sums just under a multiple of the width, where an inexact division
    // rounds up.
    opaque[static_cast<std::size_t>(h / 2)][static_cast<std::size_t>(w / 2)] = 254;
    EXPECT_EQ(blurred(opaque, r), referenceBlur(opaque, r));
}

INSTANTIATE_TEST_SUITE_P(BoxBlur, BoxBlurMatchesTheDefinition,
                         ::testing::Values(BlurCase{1, 13, 7}, BlurCase{4, 41, 23}, BlurCase{17, 9, 60},
                                           BlurCase{63, 140, 5}, BlurCase{64, 131, 3}, BlurCase{65, 135, 4},
                                           BlurCase{90, 30, 200}, BlurCase{101, 205, 205}));

TEST(BoxBlur, NoRadiusLeavesTheMaskAsItIs) {
    const Mask m = {{0, 255, 7}, {9, 0, 128}};
    EXPECT_EQ(blurred(m, 0), m);
}

}  // namespace
}  // namespace fv
