// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tumbledown {

class ClientArea;

// Makes the board readable by assistive technology: the client area gets one
// accessible child per live spot of the screen on view (a button or a switch,
// named with its state; its action clicks it) and three texts, the message,
// the scores and the dice. Changes are announced whenever the board reports
// one of them and whenever the focus ring moves.
void exposeBoard(ClientArea& area);

// The spots, the focus or the board's words may have changed.
void boardChanged(ClientArea& area);

} // namespace tumbledown
