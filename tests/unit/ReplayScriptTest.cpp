// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReplayDriver.h"

#include <gtest/gtest.h>

using namespace tumbledown;

TEST(ReplayScript, ReadsCommandsTimesAndSkipsComments) {
    std::string error;
    const auto script = parseScript("# a comment\n\nsize 640 480\nanswer Yes 300\n"
                                    "click 10 20\n@1500 key space\n"
                                    "dialog 202 101=bob 102= ok\nwait 50\nmusic-end\nclose\n",
                                    error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->size(), 8u);
    EXPECT_EQ((*script)[0].verb, "size");
    EXPECT_EQ((*script)[0].number, 3);
    EXPECT_EQ((*script)[3].at, 1500u);
    EXPECT_EQ((*script)[3].args[0], "space");
    EXPECT_EQ((*script)[4].args.size(), 4u);
}

// A size after an event, @T on what is no event and numbers beyond the
// driver's are refused by the fuzz corpus's properties.
TEST(ReplayScript, RejectsMalformedLinesWithTheirNumber) {
    const std::pair<const char*, const char*> bad[] = {
        {"click 10\n", "line 1"},
        {"key ab\n", "one character"},
        {"answer Maybe\n", "answer"},
        {"dialog 202 ok maybe\n", "dialog"},
        {"@x click 1 2\n", "@T"},
        {"menu -3\n", "menu"},
        {"zoom 0\n", "zoom takes a factor"},
        {"zoom 2 3\n", "zoom takes a factor"},
        {"zoom 2\nsize 5 5\n", "before any event"},
        {"jump 1 2\n", "unknown command"},
    };
    for (const auto& [text, expected] : bad) {
        std::string error;
        EXPECT_FALSE(parseScript(text, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " gave " << error;
    }
}

TEST(ReplayScript, NumbersStopWhereTheDriverStops) {
    std::string error;
    const auto edge = parseScript("size 2147483647 1\nrand 2147483647\n@4294967295 key a\n"
                                  "wait 2147483647\nanswer OK 2147483647\n",
                                  error);
    ASSERT_TRUE(edge) << error;
    EXPECT_EQ((*edge)[2].at, 4294967295u);
    const std::pair<const char*, const char*> bad[] = {
        {"click 2147483648 1\n", "click takes X Y"},
        {"menu 99999999999\n", "menu takes a number"},
        {"dialog 2147483648 ok\n", "dialog takes ID"},
        {"rand 1 2147483648\n", "rand takes values"},
        {"answer OK 4294967296\n", "answer takes"},
    };
    for (const auto& [text, expected] : bad) {
        EXPECT_FALSE(parseScript(text, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " gave " << error;
    }
}
