// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "System.h"

#include "Clock.h"
#include "DataFiles.h"
#include "EventQueue.h"
#include "ModalDialog.h"
#include "Screen.h"
#include "Transcript.h"

#include <QApplication>
#include <QDialog>

#include <filesystem>

namespace tumbledown {

std::string toString(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return "OK";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    case MessageAnswer::Cancel:
        return "Cancel";
    }
    return "";
}

Services& services() {
    static Services instance;
    return instance;
}

std::uint32_t timeGetTime() {
    return services().clock->now();
}

namespace {
bool terminating = false;
} // namespace

void requestTermination() {
    terminating = true;
    // The box or dialog on screen gives its default answer, as Esc would.
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        dialog->reject();
}

bool terminationRequested() {
    return terminating;
}

void delay(std::int32_t ms) {
    if (ms <= 0 || terminating)
        return;
    transcript().write({"delay", std::to_string(ms)});
    screen().present();
    services().clock->sleepFor(static_cast<std::uint32_t>(ms));
}

std::int32_t rand() {
    return services().random.draw();
}

void seedRandom() {
    // The state takes the 32-bit seconds value; the upper half stays zero.
    const auto seconds = static_cast<std::uint32_t>(services().clock->localSeconds());
    services().random.seed(seconds);
    transcript().write({"seed", std::to_string(seconds)});
}

void flushMouseQueue() {
    if (services().pullPendingInput)
        services().pullPendingInput();
    for (const InputEvent& event : eventQueue().takeMouseEvents())
        transcript().write(
            {"dropped", event.mouseName(), std::to_string(event.x), std::to_string(event.y)});
}

MessageAnswer messageBox(const std::string& caption, const std::string& text,
                         MessageButtons buttons) {
    const MessageAnswer answer =
        terminating ? (buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok)
                    : services().host->messageBox(caption, text, buttons);
    transcript().write(
        {"box", caption, text, buttons == MessageButtons::Ok ? "OK" : "YesNo", toString(answer)});
    return answer;
}

bool runModal(ModalDialog& dialog) {
    const bool accepted = !terminating && services().host->runDialog(dialog);
    transcript().write({"dialog", std::to_string(dialog.resourceId()), accepted ? "ok" : "cancel",
                        dialog.fieldSummary()});
    return accepted;
}

std::optional<std::string> chooseFile(const std::string& filter) {
    std::optional<std::string> chosen =
        terminating ? std::nullopt : services().host->chooseFile(filter);
    transcript().write({"filedialog", filter, chosen ? *chosen : "cancel"});
    return chosen;
}

void setCursor(CursorShape shape) {
    static std::optional<CursorShape> current;
    if (current == shape)
        return;
    current = shape;
    services().host->setCursor(shape);
    transcript().write({"cursor", shape == CursorShape::Wait ? "wait" : "arrow"});
}

void openDocument(const std::string& name) {
    const std::string path = locateDataFile(name);
    transcript().write({"open", name});
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        transcript().write({"missing", name});
    services().host->openDocument(path);
}

} // namespace tumbledown
