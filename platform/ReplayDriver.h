// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clock.h"
#include "EventQueue.h"
#include "Host.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tumbledown {

// What a replay needs of the program it drives.
class ReplayTarget {
public:
    virtual ~ReplayTarget() = default;
    // Builds and shows the main window with a client area of this size.
    virtual void start(int width, int height) = 0;
    // Chooses a menu command; false when no such item is in the menu bar now.
    virtual bool chooseMenu(int id) = 0;
    // The music device reports the end of the tune.
    virtual void endTune() = 0;
    virtual bool saveShot(const std::string& path) = 0;
    // Asks for a zoom of the board view, as the zoom keys do.
    virtual void setZoom(int factor) = 0;
};

struct ScriptLine {
    int number = 0;
    std::optional<std::uint32_t> at;
    std::string verb;
    std::vector<std::string> args;
};

// Parses a script; on a fault returns nothing and sets error to the reason.
std::optional<std::vector<ScriptLine>> parseScript(const std::string& text, std::string& error);

// Drives the program from a script with a virtual (or real) clock and stands in
// for the person at every box, dialog and file dialog.
class ReplayDriver : public Host {
public:
    ReplayDriver(std::vector<ScriptLine> script, Clock& clock, VirtualClock* virtualClock);
    void setTarget(ReplayTarget* target) { target_ = target; }

    // Runs the script to its end, then closes the program. Returns the exit code.
    int run();

    MessageAnswer messageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons) override;
    bool runDialog(ModalDialog& dialog) override;
    std::optional<std::string> chooseFile(const std::string& filter) override;
    void setCursor(CursorShape) override {}
    void openDocument(const std::string& path) override;

private:
    struct BoxAnswer {
        MessageAnswer answer;
        std::uint32_t thinkingTime;
    };

    static bool isEvent(const std::string& verb);
    static bool isAnswer(const std::string& verb);
    void takeAnswer(const ScriptLine& line);
    // Takes the answers and timed events that follow an event line.
    std::size_t gatherFollowers(std::size_t next);
    void enqueue(const ScriptLine& line);
    // A mouse event at the line's client position, in image coordinates.
    static InputEvent mouseEvent(EventType type, const ScriptLine& line);
    void pressThenRelease(const ScriptLine& line);
    void injectDueEvents();
    void dispatchTimedRest();
    void idleUntil(std::uint32_t time);

    std::vector<ScriptLine> script_;
    Clock& clock_;
    VirtualClock* virtualClock_;
    ReplayTarget* target_ = nullptr;
    std::deque<BoxAnswer> boxAnswers_;
    std::deque<ScriptLine> dialogAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<ScriptLine> timed_;
    bool closed_ = false;
    bool browser_ = true; // whether the desktop can show documents
};

} // namespace tumbledown
