// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileFilter.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tumbledown;

TEST(FileFilter, MidiFilterMatchesAnyLetterCase) {
    const QString filter = toQtFileFilter("Midi files (*.MID)|*.MID|");
    EXPECT_EQ(filter, "Midi files (*.[Mm][Ii][Dd])");
    const QRegularExpression glob(
        QRegularExpression::wildcardToRegularExpression("*.[Mm][Ii][Dd]"));
    for (const char* name : {"song.mid", "SONG.MID", "Song.Mid"})
        EXPECT_TRUE(glob.match(name).hasMatch()) << name;
    EXPECT_FALSE(glob.match("song.midi").hasMatch());
}

TEST(FileFilter, SeveralPairsAndPatterns) {
    EXPECT_EQ(toQtFileFilter("Sounds|*.wav;*.au|All|*|"),
              "Sounds (*.[Ww][Aa][Vv] *.[Aa][Uu]);;All (*)");
    EXPECT_EQ(toQtFileFilter(""), "");
}
