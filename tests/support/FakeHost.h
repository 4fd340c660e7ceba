// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"
#include "platform/Host.h"
#include "platform/System.h"

#include <string>
#include <vector>

namespace tumbledown::test {

// Records every box and gives its default answer (No to a question); installed
// for one test's lifetime.
class FakeHost : public Host {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    FakeHost() : clock_(1000000000) {
        services().host = this;
        services().clock = &clock_;
    }
    ~FakeHost() override {
        services().host = nullptr;
        services().clock = nullptr;
    }

    MessageAnswer messageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons) override {
        boxes.push_back({caption, text});
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    bool runDialog(ModalDialog&) override { return false; }
    std::optional<std::string> chooseFile(const std::string&) override { return std::nullopt; }
    void setCursor(CursorShape) override {}
    void openDocument(const std::string&) override {}

    std::vector<Box> boxes;

private:
    VirtualClock clock_;
};

} // namespace tumbledown::test
