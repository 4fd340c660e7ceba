// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Measures of pictures shared by the art and the screen tests.

#include <QImage>

#include <cstdint>
#include <vector>

namespace tumbledown::test {

// FNV-1a over the pictures' sizes and colours, to compare with a kept value.
inline std::uint64_t digest(const std::vector<QImage>& pictures) {
    std::uint64_t h = 1469598103934665603ull;
    const auto add = [&h](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    for (const QImage& img : pictures) {
        add(img.width());
        add(img.height());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                add(img.pixel(x, y) & 0xFFFFFF);
    }
    return h;
}

// The share of s x s blocks whose pixels are all alike: all of them when a
// picture is its 1x pixels enlarged s times.
inline double uniformBlocks(const QImage& img, int s) {
    int uniform = 0, blocks = 0;
    for (int y = 0; y + s <= img.height(); y += s)
        for (int x = 0; x + s <= img.width(); x += s) {
            bool same = true;
            for (int v = 0; v < s && same; ++v)
                for (int u = 0; u < s && same; ++u)
                    same = img.pixel(x + u, y + v) == img.pixel(x, y);
            uniform += same;
            ++blocks;
        }
    return blocks ? double(uniform) / blocks : 0.0;
}

} // namespace tumbledown::test
