// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventQueue.h"

#include <algorithm>

namespace tumbledown {

bool InputEvent::isMouse() const {
    return type == EventType::LeftDown || type == EventType::LeftUp ||
           type == EventType::RightDown || type == EventType::MouseMove;
}

std::string InputEvent::mouseName() const {
    switch (type) {
    case EventType::LeftDown:
        return "press";
    case EventType::LeftUp:
        return "release";
    case EventType::RightDown:
        return "rclick";
    case EventType::MouseMove:
        return "move";
    default:
        return "";
    }
}

void EventQueue::post(const InputEvent& event) {
    // One pending paint covers any number of invalidations.
    if (event.type == EventType::Paint &&
        std::any_of(events_.begin(), events_.end(),
                    [](const InputEvent& e) { return e.type == EventType::Paint; }))
        return;
    events_.push_back(event);
    if (!busy_ && !wakeUpPending_ && wakeUp_) {
        wakeUpPending_ = true;
        wakeUp_();
    }
}

void EventQueue::dispatchAll() {
    wakeUpPending_ = false;
    if (busy_ || !sink_)
        return;
    while (!events_.empty()) {
        const InputEvent event = events_.front();
        events_.pop_front();
        busy_ = true;
        sink_->handleEvent(event);
        busy_ = false;
    }
}

std::deque<InputEvent> EventQueue::takeMouseEvents() {
    std::deque<InputEvent> mouse;
    std::deque<InputEvent> rest;
    for (const InputEvent& e : events_)
        (e.isMouse() ? mouse : rest).push_back(e);
    events_ = std::move(rest);
    return mouse;
}

EventQueue& eventQueue() {
    static EventQueue instance;
    return instance;
}

} // namespace tumbledown
