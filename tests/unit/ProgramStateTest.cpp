// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ProgramState.h"

#include <gtest/gtest.h>

using namespace tumbledown;

TEST(BoardOrigin, CentresTheBoardAndKeepsSmallClientsAtTheCorner) {
    // {width, height, x, y}: 273 / 2 rounds toward zero; a short or narrow client stays at 0.
    const int cases[][4] = {
        {632, 428, 0, 0}, {1024, 701, 196, 136}, {600, 429, -16, 0}, {600, 400, 0, 0}};
    for (const auto& [width, height, x, y] : cases) {
        const BoardPoint origin = firstPaintOrigin(width, height);
        EXPECT_EQ(origin.x, x) << width << "x" << height;
        EXPECT_EQ(origin.y, y) << width << "x" << height;
    }
    // Later size changes centre without the clamp.
    const BoardPoint resized = centredOrigin(600, 401);
    EXPECT_EQ(resized.x, -16);
    EXPECT_EQ(resized.y, -13);
}

TEST(AnimationDelay, StepsByTenWithinZeroToTwoHundred) {
    // {delay, slower, after}: a step stops at the bounds rather than passing them.
    const int steps[][3] = {{15, 0, 5}, {5, 0, 0}, {0, 0, 0}, {195, 1, 200}, {200, 1, 200}};
    for (const auto& [start, slower, after] : steps) {
        std::int32_t delay = start;
        (slower ? slowDown : speedUp)(delay);
        EXPECT_EQ(delay, after) << start << (slower ? " slower" : " faster");
    }
}
