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

TEST(ReplayScript, RejectsMalformedLinesWithTheirNumber) {
    const std::pair<const char*, const char*> bad[] = {
        {"click 10\n", "line 1"},
        {"key ab\n", "one character"},
        {"answer Maybe\n", "answer"},
        {"dialog 202 ok maybe\n", "dialog"},
        {"click 1 2\nsize 5 5\n", "before any event"},
        {"@12 wait 5\n", "events only"},
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
