// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The shell's own commands; each game brings its menu items (GameInfo) and
// its options popup.
namespace tumbledown::menu {

// Game
inline constexpr int mainScreen = 152;
// Music
inline constexpr int musicOn = 127;
inline constexpr int musicOff = 128;
inline constexpr int selectMusic = 129;
// Help
inline constexpr int about = 138;
inline constexpr int help = 139;

} // namespace tumbledown::menu
