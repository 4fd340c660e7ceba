#pragma once

// Every bitmap the program loads, with the painter that produces it.

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace art {

QImage paintMainScreen();       // BITMAP_216
QImage paintIcon();             // IDI_ICON1
QImage paintShutTheBoxBoard();  // BITMAP_1
QImage paintShutTheBoxTile();   // BITMAP_140
QImage paintTenThousandBoard(); // BITMAP_66
QImage paintTenThousandTile();  // BITMAP_141
QImage paintPokerDiceBoard();   // BITMAP_146
QImage paintPokerDiceTile();    // BITMAP_147

struct Artwork {
    QString fileName;
    QSize size;
    QImage (*paint)();
};

const std::vector<Artwork>& allArtwork();

// A blank true-colour canvas of the given size.
QImage canvas(QSize size);
// The finished picture without an alpha channel, for pictures that are opaque.
QImage opaque(const QImage& img);

} // namespace art
