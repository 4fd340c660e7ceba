// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayDriver.h"

#include "ModalDialog.h"
#include "Screen.h"
#include "System.h"
#include "Transcript.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <climits>
#include <set>
#include <sstream>

namespace tumbledown {

namespace {

bool parseNumber(const std::string& text, long long& value) {
    if (text.empty())
        return false;
    std::size_t used = 0;
    try {
        value = std::stoll(text, &used);
    } catch (...) {
        return false;
    }
    return used == text.size();
}

std::optional<MessageAnswer> answerNamed(const std::string& name) {
    if (name == "OK")
        return MessageAnswer::Ok;
    if (name == "Yes")
        return MessageAnswer::Yes;
    if (name == "No")
        return MessageAnswer::No;
    if (name == "Cancel")
        return MessageAnswer::Cancel;
    return std::nullopt;
}

// The keys a script names: Tab, Backtab, the arrows, Return and Enter, each
// also as shift+NAME (Shift+Tab is Backtab, Shift+Return a right click).
std::optional<NavKey> navKeyNamed(const std::string& text) {
    const bool shift = text.rfind("shift+", 0) == 0;
    const std::string name = shift ? text.substr(6) : text;
    if (name == "Tab")
        return shift ? NavKey::Backtab : NavKey::Tab;
    if (name == "Return" || name == "Enter")
        return shift ? NavKey::ShiftReturn : NavKey::Return;
    static const std::pair<const char*, NavKey> others[] = {{"Backtab", NavKey::Backtab},
                                                            {"Left", NavKey::Left},
                                                            {"Right", NavKey::Right},
                                                            {"Up", NavKey::Up},
                                                            {"Down", NavKey::Down}};
    for (const auto& [n, key] : others)
        if (name == n)
            return key;
    return std::nullopt;
}

// Checks the argument count and kinds of one line; empty when it is sound.
std::string lineFault(const ScriptLine& line) {
    const auto& a = line.args;
    // The driver takes positions, sizes, ids and draws as int: a larger number
    // is a fault of the script here, not an exception in the middle of a run.
    const auto numbers = [&](std::size_t from, std::size_t count) {
        long long v = 0;
        for (std::size_t i = from; i < from + count; ++i)
            if (i >= a.size() || !parseNumber(a[i], v) || v < 0 || v > INT_MAX)
                return false;
        return true;
    };
    const std::string& v = line.verb;
    if (v == "size")
        return a.size() == 2 && numbers(0, 2) ? "" : "size takes W H";
    if (v == "click" || v == "press" || v == "release" || v == "rclick" || v == "move")
        return a.size() == 2 && numbers(0, 2) ? "" : v + " takes X Y";
    if (v == "key")
        return a.size() == 1 && (a[0].size() == 1 || a[0] == "space" || navKeyNamed(a[0]))
                   ? ""
                   : "key takes one character or a key's name";
    if (v == "menu" || v == "wait")
        return a.size() == 1 && numbers(0, 1) ? "" : v + " takes a number";
    if (v == "zoom") {
        long long factor = 0;
        return a.size() == 1 && parseNumber(a[0], factor) && factor >= 1
                   ? ""
                   : "zoom takes a factor from 1";
    }
    if (v == "close" || v == "music-end")
        return a.empty() ? "" : v + " takes nothing";
    if (v == "answer")
        return (a.size() == 1 || (a.size() == 2 && numbers(1, 1))) && answerNamed(a[0])
                   ? ""
                   : "answer takes OK|Yes|No|Cancel [MS]";
    if (v == "dialog")
        return a.size() >= 2 && numbers(0, 1) && (a.back() == "ok" || a.back() == "cancel")
                   ? ""
                   : "dialog takes ID [CTRL=VALUE ...] ok|cancel";
    if (v == "file")
        return a.size() == 1 ? "" : "file takes PATH or cancel";
    if (v == "rand")
        return !a.empty() && numbers(0, a.size()) ? "" : "rand takes values";
    if (v == "shot")
        return a.size() == 1 ? "" : "shot takes FILE";
    if (v == "browser")
        return a.size() == 1 && (a[0] == "ok" || a[0] == "none") ? "" : "browser takes ok|none";
    return "unknown command " + v;
}

} // namespace

std::optional<std::vector<ScriptLine>> parseScript(const std::string& text, std::string& error) {
    std::vector<ScriptLine> lines;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    bool eventSeen = false;
    while (std::getline(in, raw)) {
        ++number;
        std::istringstream words(raw);
        std::string word;
        if (!(words >> word) || word[0] == '#')
            continue;
        ScriptLine line;
        line.number = number;
        if (word[0] == '@') {
            long long at = 0;
            if (!parseNumber(word.substr(1), at) || at < 0 || at > UINT32_MAX || !(words >> word)) {
                error = "line " + std::to_string(number) + ": @T takes a time and an event";
                return std::nullopt;
            }
            line.at = static_cast<std::uint32_t>(at);
        }
        line.verb = word;
        while (words >> word)
            line.args.push_back(word);
        std::string fault = lineFault(line);
        if (fault.empty() && line.at && line.verb != "click" && line.verb != "press" &&
            line.verb != "release" && line.verb != "rclick" && line.verb != "move" &&
            line.verb != "key" && line.verb != "menu" && line.verb != "close")
            fault = "@T goes with events only";
        if (fault.empty() && line.verb == "size" && eventSeen)
            fault = "size comes before any event";
        if (!fault.empty()) {
            error = "line " + std::to_string(number) + ": " + fault;
            return std::nullopt;
        }
        if (line.verb != "size" && line.verb != "answer" && line.verb != "dialog" &&
            line.verb != "file" && line.verb != "rand" && line.verb != "browser")
            eventSeen = true;
        lines.push_back(std::move(line));
    }
    return lines;
}

ReplayDriver::ReplayDriver(std::vector<ScriptLine> script, Clock& clock, VirtualClock* virtualClock)
    : script_(std::move(script)), clock_(clock), virtualClock_(virtualClock) {
    clock_.setOnAdvance([this] { injectDueEvents(); });
}

bool ReplayDriver::isEvent(const std::string& verb) {
    static const std::set<std::string> events = {"click", "press", "release", "rclick",
                                                 "move",  "key",   "menu",    "close"};
    return events.count(verb) != 0;
}

bool ReplayDriver::isAnswer(const std::string& verb) {
    return verb == "answer" || verb == "dialog" || verb == "file" || verb == "rand";
}

void ReplayDriver::takeAnswer(const ScriptLine& line) {
    if (line.verb == "answer") {
        long long thinking = 0;
        if (line.args.size() == 2)
            parseNumber(line.args[1], thinking);
        boxAnswers_.push_back({*answerNamed(line.args[0]), static_cast<std::uint32_t>(thinking)});
    } else if (line.verb == "dialog") {
        dialogAnswers_.push_back(line);
    } else if (line.verb == "file") {
        fileAnswers_.push_back(line.args[0] == "cancel" ? std::nullopt
                                                        : std::optional(line.args[0]));
    } else if (line.verb == "rand") {
        std::vector<std::int32_t> values;
        for (const std::string& v : line.args)
            values.push_back(static_cast<std::int32_t>(std::stoll(v)));
        services().random.queueValues(values);
    }
}

std::size_t ReplayDriver::gatherFollowers(std::size_t next) {
    while (next < script_.size() && (isAnswer(script_[next].verb) || script_[next].at)) {
        if (script_[next].at)
            timed_.push_back(script_[next]);
        else
            takeAnswer(script_[next]);
        ++next;
    }
    return next;
}

InputEvent ReplayDriver::mouseEvent(EventType type, const ScriptLine& line) {
    // Scripts give positions in the device pixels of the client area as shown
    // (a shot's pixels), divided back like a real mouse's.
    const QPoint p =
        screen().deviceToImage(QPointF(std::stoi(line.args[0]), std::stoi(line.args[1])));
    return {type, p.x(), p.y()};
}

void ReplayDriver::enqueue(const ScriptLine& line) {
    const auto number = [&](std::size_t i) { return std::stoi(line.args[i]); };
    const std::string& v = line.verb;
    if (v == "click") {
        eventQueue().post(mouseEvent(EventType::LeftDown, line));
        eventQueue().post(mouseEvent(EventType::LeftUp, line));
    } else if (v == "press") {
        eventQueue().post(mouseEvent(EventType::LeftDown, line));
    } else if (v == "release") {
        eventQueue().post(mouseEvent(EventType::LeftUp, line));
    } else if (v == "rclick") {
        eventQueue().post(mouseEvent(EventType::RightDown, line));
    } else if (v == "move") {
        eventQueue().post(mouseEvent(EventType::MouseMove, line));
    } else if (v == "key") {
        InputEvent key{EventType::Char};
        if (const std::optional<NavKey> named = navKeyNamed(line.args[0])) {
            key.type = EventType::Navigate;
            key.key = *named;
        } else {
            key.ch = line.args[0] == "space" ? ' ' : line.args[0][0];
        }
        eventQueue().post(key);
    } else if (v == "menu") {
        if (!target_->chooseMenu(number(0)))
            transcript().write({"error", "no menu item " + line.args[0] + " in the menu bar"});
    } else if (v == "close") {
        eventQueue().post({EventType::Close});
        closed_ = true;
    }
}

void ReplayDriver::pressThenRelease(const ScriptLine& line) {
    eventQueue().post(mouseEvent(EventType::LeftDown, line));
    eventQueue().dispatchAll();
    eventQueue().post(mouseEvent(EventType::LeftUp, line));
    dispatchTimedRest();
}

void ReplayDriver::injectDueEvents() {
    while (!timed_.empty() && *timed_.front().at <= clock_.now()) {
        const ScriptLine line = timed_.front();
        timed_.pop_front();
        enqueue(line);
    }
}

void ReplayDriver::idleUntil(std::uint32_t time) {
    if (virtualClock_)
        virtualClock_->advanceTo(time);
    else if (time > clock_.now())
        clock_.sleepFor(time - clock_.now());
}

void ReplayDriver::dispatchTimedRest() {
    eventQueue().dispatchAll();
    while (!timed_.empty() && !closed_) {
        idleUntil(*timed_.front().at); // injects it
        eventQueue().dispatchAll();
    }
}

int ReplayDriver::run() {
    std::size_t next = 0;
    int width = 800;
    int height = 600;
    for (; next < script_.size() && (isAnswer(script_[next].verb) || script_[next].verb == "size");
         ++next) {
        if (script_[next].verb == "size") {
            width = std::stoi(script_[next].args[0]);
            height = std::stoi(script_[next].args[1]);
        } else {
            takeAnswer(script_[next]);
        }
    }
    target_->start(width, height);
    eventQueue().dispatchAll();

    while (next < script_.size() && !closed_) {
        const ScriptLine& line = script_[next++];
        if (isEvent(line.verb)) {
            if (line.at)
                idleUntil(*line.at);
            next = gatherFollowers(next);
            if (line.verb == "click" && !line.at) {
                // The release follows the press once its handler is done, as a
                // person's quick click would.
                pressThenRelease(line);
            } else {
                enqueue(line);
                dispatchTimedRest();
            }
        } else if (isAnswer(line.verb)) {
            takeAnswer(line);
        } else if (line.verb == "wait") {
            idleUntil(clock_.now() + static_cast<std::uint32_t>(std::stoul(line.args[0])));
            eventQueue().dispatchAll();
        } else if (line.verb == "music-end") {
            target_->endTune();
            eventQueue().dispatchAll();
        } else if (line.verb == "zoom") {
            const long long factor = std::stoll(line.args[0]);
            target_->setZoom(static_cast<int>(std::min<long long>(factor, INT_MAX)));
            eventQueue().dispatchAll();
        } else if (line.verb == "browser") {
            browser_ = line.args[0] == "ok";
        } else if (line.verb == "shot") {
            if (!target_->saveShot(line.args[0]))
                transcript().write({"error", "cannot write " + line.args[0]});
        }
    }
    if (!closed_) {
        eventQueue().post({EventType::Close});
        closed_ = true;
        eventQueue().dispatchAll();
    }
    return 0;
}

void ReplayDriver::openDocument(const std::string& path) {
    if (browser_)
        return;
    InputEvent failed{EventType::DocumentFailed};
    failed.path = path;
    eventQueue().post(failed);
}

MessageAnswer ReplayDriver::messageBox(const std::string&, const std::string&,
                                       MessageButtons buttons) {
    const MessageAnswer fallback =
        buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    if (boxAnswers_.empty())
        return fallback;
    const BoxAnswer given = boxAnswers_.front();
    boxAnswers_.pop_front();
    if (given.thinkingTime > 0)
        idleUntil(clock_.now() + given.thinkingTime);
    const bool fits =
        buttons == MessageButtons::YesNo
            ? given.answer == MessageAnswer::Yes || given.answer == MessageAnswer::No
            : given.answer == MessageAnswer::Ok || given.answer == MessageAnswer::Cancel;
    if (!fits) {
        transcript().write({"error", "answer " + toString(given.answer) + " does not fit the box"});
        return fallback;
    }
    return given.answer;
}

bool ReplayDriver::runDialog(ModalDialog& dialog) {
    if (dialogAnswers_.empty())
        return false;
    const ScriptLine line = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    if (std::stoi(line.args[0]) != dialog.resourceId()) {
        transcript().write({"error", "script answers dialog " + line.args[0] + ", dialog " +
                                         std::to_string(dialog.resourceId()) + " is up"});
        return false;
    }
    for (std::size_t i = 1; i + 1 < line.args.size(); ++i) {
        const std::string& field = line.args[i];
        const std::size_t equals = field.find('=');
        long long id = 0;
        QWidget* control = equals == std::string::npos || !parseNumber(field.substr(0, equals), id)
                               ? nullptr
                               : dialog.control(static_cast<int>(id));
        const std::string value = equals == std::string::npos ? "" : field.substr(equals + 1);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->clear();
            // Typed key by key, so the field's filter and length limit apply.
            for (char c : value) {
                const QString text(QChar::fromLatin1(c));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
                QCoreApplication::sendEvent(edit, &press);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            setButtonChecked(*button, value == "1");
        } else {
            transcript().write({"error", "dialog " + line.args[0] + " has no control " + field});
        }
    }
    return line.args.back() == "ok";
}

std::optional<std::string> ReplayDriver::chooseFile(const std::string&) {
    if (fileAnswers_.empty())
        return std::nullopt;
    std::optional<std::string> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

} // namespace tumbledown
