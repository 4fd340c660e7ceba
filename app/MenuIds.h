// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tumbledown::menu {

// Game
inline constexpr int tenThousand = 101;
inline constexpr int pokerDice = 102;
inline constexpr int shutTheBox = 103;
inline constexpr int mainScreen = 152;
// Music
inline constexpr int musicOn = 127;
inline constexpr int musicOff = 128;
inline constexpr int selectMusic = 129;
// Scores
inline constexpr int viewTenThouScores = 132;
inline constexpr int viewPokerDiceScores = 133;
inline constexpr int viewShutTheBoxScores = 134;
inline constexpr int clearTenThouScores = 135;
inline constexpr int clearPokerDiceScores = 136;
inline constexpr int clearShutTheBoxScores = 137;
// Help
inline constexpr int about = 138;
inline constexpr int help = 139;

// "10,000 Options"
inline constexpr int tenThouApprentice = 104;
inline constexpr int tenThouMage = 105;
inline constexpr int tenThouWizard = 106;
inline constexpr int tenThouPlayer2 = 107;
inline constexpr int tenThouNames = 108;
inline constexpr int tenThouSoundOn = 140;
inline constexpr int tenThouSoundOff = 141;
inline constexpr int tenThouFaster = 142;
inline constexpr int tenThouSlower = 143;

// "Poker Dice Options"
inline constexpr int pokerApprentice = 109;
inline constexpr int pokerMage = 110;
inline constexpr int pokerWizard = 111;
inline constexpr int pokerPlayer2 = 112;
inline constexpr int pokerNames = 113;
inline constexpr int pokerSoundOn = 144;
inline constexpr int pokerSoundOff = 145;
inline constexpr int pokerFaster = 146;
inline constexpr int pokerSlower = 147;
inline constexpr int acesWildOn = 114;
inline constexpr int acesWildOff = 115;
inline constexpr int rollsPerTurn = 116;
inline constexpr int resetCoins = 117;

// "Shut The Box Options"
inline constexpr int boxVsComputer = 118;
inline constexpr int boxVsPlayer2 = 119;
inline constexpr int boxNames = 120;
inline constexpr int boxSoundOn = 148;
inline constexpr int boxSoundOff = 149;
inline constexpr int boxFaster = 150;
inline constexpr int boxSlower = 151;
inline constexpr int gremlinOn = 121;
inline constexpr int gremlinOff = 122;
inline constexpr int oneDie = 124;

} // namespace tumbledown::menu
