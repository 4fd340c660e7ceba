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

struct Artwork {
    QString fileName;
    QSize size;
    std::function<QImage()> paint;
};

const std::vector<Artwork>& allArtwork();

// A blank true-colour canvas of the given size.
QImage canvas(QSize size);
// The finished picture without an alpha channel, for pictures that are opaque.
QImage opaque(const QImage& img);

} // namespace art
