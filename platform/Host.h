// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace tumbledown {

class ModalDialog;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class CursorShape { Arrow, Wait };

std::string toString(MessageAnswer answer);

// Every interaction that needs a person (or the replay script standing in for
// one): message boxes, modal dialogs, the file-open dialog, the cursor and the
// desktop's "open" of a document.
class Host {
public:
    virtual ~Host() = default;
    virtual MessageAnswer messageBox(const std::string& caption, const std::string& text,
                                     MessageButtons buttons) = 0;
    // Runs the dialog modally; true when it was closed with OK.
    virtual bool runDialog(ModalDialog& dialog) = 0;
    // filter is "Description|pattern|"; returns the chosen path, or nothing.
    virtual std::optional<std::string> chooseFile(const std::string& filter) = 0;
    virtual void setCursor(CursorShape shape) = 0;
    // Asks the desktop to show the document; when it cannot, a DocumentFailed
    // event joins the queue, now or later.
    virtual void openDocument(const std::string& path) = 0;
};

} // namespace tumbledown
