// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/EventQueue.h"
#include "platform/Transcript.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tumbledown;

namespace {
class Recorder : public EventSink {
public:
    void handleEvent(const InputEvent& e) override {
        handled.push_back(e);
        if (onHandle)
            onHandle(e);
    }
    std::vector<InputEvent> handled;
    std::function<void(const InputEvent&)> onHandle;
};

InputEvent key(char c) {
    InputEvent e{EventType::Char};
    e.ch = c;
    return e;
}
} // namespace

TEST(EventQueue, EventsArrivingDuringAHandlerWaitTheirTurn) {
    EventQueue q;
    Recorder r;
    q.setSink(&r);
    int wakeUps = 0;
    q.setWakeUp([&] { ++wakeUps; });
    r.onHandle = [&](const InputEvent& e) {
        if (e.type == EventType::LeftDown && e.x == 1) {
            EXPECT_TRUE(q.busy());
            q.post({EventType::LeftDown, 2, 2});
            q.post(key('a'));
            q.post({EventType::MouseMove, 3, 3});
            q.post(key('b'));
            const auto dropped = q.takeMouseEvents(); // the flush after a click
            ASSERT_EQ(dropped.size(), 2u);
            EXPECT_EQ(dropped[0].mouseName(), "press");
            EXPECT_EQ(dropped[1].mouseName(), "move");
        }
    };
    q.post({EventType::LeftDown, 1, 1});
    EXPECT_EQ(wakeUps, 1);
    EXPECT_TRUE(r.handled.empty()); // nothing runs inside post
    q.dispatchAll();
    ASSERT_EQ(r.handled.size(), 3u);
    EXPECT_EQ(r.handled[1].ch, 'a');
    EXPECT_EQ(r.handled[2].ch, 'b');
    EXPECT_EQ(wakeUps, 1); // posts during the handler needed no wake-up
    EXPECT_FALSE(q.busy());
}

TEST(EventQueue, OnePaintCoversManyInvalidations) {
    EventQueue q;
    Recorder r;
    q.setSink(&r);
    q.post({EventType::Paint});
    q.post(key('x'));
    q.post({EventType::Paint});
    q.dispatchAll();
    ASSERT_EQ(r.handled.size(), 2u);
    EXPECT_EQ(r.handled[0].type, EventType::Paint);
    q.post({EventType::Paint});
    q.dispatchAll();
    EXPECT_EQ(r.handled.size(), 3u); // a paint after the last one is a new one
}

TEST(Transcript, EscapesSeparatorsAndNewlines) {
    EXPECT_EQ(Transcript::escape("a\tb\nc\\d"), "a\\tb\\nc\\\\d");
}
