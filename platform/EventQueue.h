// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <functional>
#include <string>

namespace tumbledown {

enum class EventType {
    LeftDown,
    LeftUp,
    RightDown,
    MouseMove,
    Char,
    Navigate, // a key that moves the focus ring or acts at it
    Activate, // assistive technology clicks a spot (by its id, in `path`)
    Command,
    Paint,
    Size,
    MusicNotify,
    AudioReady,
    // The desktop could not show a document: path says which.
    DocumentFailed,
    Close,
};

// The keys that move the focus ring among a board's spots and act at it; never
// characters of a board's own key table.
enum class NavKey { Tab, Backtab, Left, Right, Up, Down, Return, ShiftReturn };

struct InputEvent {
    EventType type = EventType::Paint;
    int x = 0;
    int y = 0;
    char ch = 0;
    int id = 0; // menu command id
    NavKey key = NavKey::Tab;
    std::string path = {}; // the document that could not be shown; the spot activated

    bool isMouse() const;
    // The transcript name of a mouse event ("click" stands for a left press).
    std::string mouseName() const;
};

class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void handleEvent(const InputEvent& event) = 0;
};

// The window's own message queue. Handlers run one at a time and to their end;
// whatever arrives meanwhile waits here, so a mouse flush can throw mouse input
// away while keys are kept and handled afterwards, in order.
class EventQueue {
public:
    void setSink(EventSink* sink) { sink_ = sink; }
    // Called when an event is posted while idle: the owner arranges for
    // dispatchAll() to run soon from the top of the event loop.
    void setWakeUp(std::function<void()> wakeUp) { wakeUp_ = std::move(wakeUp); }

    void post(const InputEvent& event);
    void dispatchAll();
    bool busy() const { return busy_; }
    bool empty() const { return events_.empty(); }

    // Removes every queued mouse event and returns them, oldest first.
    std::deque<InputEvent> takeMouseEvents();

private:
    EventSink* sink_ = nullptr;
    std::function<void()> wakeUp_;
    std::deque<InputEvent> events_;
    bool busy_ = false;
    bool wakeUpPending_ = false;
};

EventQueue& eventQueue();

} // namespace tumbledown
