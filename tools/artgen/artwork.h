// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every bitmap the program loads, with the painter that produces it.

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace art {

QImage paintMainScreen();        // BITMAP_216
QImage paintIcon();              // IDI_ICON1
QImage paintShutTheBoxBoard();   // BITMAP_1
QImage paintShutTheBoxTile();    // BITMAP_140
QImage paintShutTheBoxShutBox(); // BITMAP_2
QImage paintShutTheBoxPlate();   // BITMAP_3
// The dice pictures, by bitmap number: 4..7 two dice, 60..63 one die.
QImage paintShutTheBoxDice(int picture);
// Icon-row button 0..6 (buttons 2..7 and 13), off and on: BITMAP_10..21, 64, 65.
QImage paintShutTheBoxButton(int button, bool on);
// Glyph 0..35, A..Z then 0..9: BITMAP_22..57.
QImage paintShutTheBoxGlyph(int index);
QImage paintShutTheBoxArrow();   // BITMAP_59
QImage paintShutTheBoxGremlin(); // BITMAP_243
// The Gremlin's eyes looking at box 1..9: left BITMAP_(223 + 2k), right BITMAP_(224 + 2k).
QImage paintShutTheBoxEye(int position, bool left);
QImage paintTenThousandBoard(); // BITMAP_66
QImage paintTenThousandTile();  // BITMAP_141
// Die 1..6, frame 1 (just breaking the surface) .. 4 (risen): BITMAP_79..102.
QImage paintTenThousandDie(int die, int frame);
// Pane 0..11 (15..24, ROLL, PASS): normal BITMAP_128..139, touched BITMAP_116..127.
QImage paintTenThousandPane(int pane, bool touched);
// Strip button 0..5, up and down: BITMAP_103..114.
QImage paintTenThousandButton(int button, bool down);
// '0'..'9' and two spare signs: BITMAP_67..78.
QImage paintTenThousandDigit(int index);
QImage paintTenThousandMarker(); // BITMAP_115
QImage paintTenThousandPanel();  // BITMAP_142
QImage paintPokerDiceBoard();    // BITMAP_146
QImage paintPokerDiceTile();     // BITMAP_147
// Face 1..6 (A, K, Q, J, 10, 9), picture 1..3 tumbling, 4 at rest:
// BITMAP_148..151 for the ace, then 153..172 (152 is the mask).
QImage paintPokerDiceDie(int face, int picture);
QImage paintPokerDiceDieMask();          // BITMAP_152, one bit
QImage paintPokerDiceSmallDie(int face); // BITMAP_200..205
QImage paintPokerDiceSmallDieMask();     // BITMAP_206, one bit
QImage paintPokerDiceDigit(int digit);   // BITMAP_173..182
QImage paintPokerDiceBead();             // BITMAP_211
QImage paintPokerDiceFlame(int level);   // none, small, medium, large: BITMAP_212..215
QImage paintPokerDiceMarker(int player); // 0, 1: BITMAP_209, 210
QImage paintPokerDiceSign();             // BITMAP_183
// Button 0..7 in the order of pokerdice::Button, up (off) and down (on): BITMAP_184..199.
QImage paintPokerDiceButton(int button, bool down);

struct Artwork {
    QString fileName;
    QSize size; // in board units
    std::function<QImage()> paint;
    bool everyScale = true; // painted at 2x and 3x too, else at 1x only
};

// The file of a picture painted at a scale: BITMAP_1.bmp, BITMAP_1@2x.bmp, ...
QString scaledFileName(const QString& fileName, int scale);

const std::vector<Artwork>& allArtwork();

// The icon painted for one of the desktop's theme sizes (16 .. 256 pixels
// square); at 256 it is IDI_ICON1.
QImage paintIcon(int size);
const std::vector<int>& iconSizes();

// A blank true-colour canvas of the given size in board units, at the scale
// being painted (paintkit.h).
QImage canvas(QSize size);
// The finished picture without an alpha channel, for pictures that are opaque.
QImage opaque(const QImage& img);

} // namespace art
