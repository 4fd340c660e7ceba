// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as tumbledown.prf, then does with the record what the
// program does without a window: saves it, reads the names, enters scores and
// coins, builds the top-score texts and steps the tip of the day.

#include "FuzzCheck.h"
#include "core/NameRules.h"
#include "core/Preferences.h"
#include "core/ScoreTables.h"
#include "dialogs/TopScoreViews.h"
#include "support/FakeHost.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace tumbledown;

namespace {

using Bytes = std::array<std::uint8_t, PreferencesRecord::fileSize>;

using fuzz::check;

test::FakeHost& host() {
    static test::FakeHost instance;
    return instance;
}

bool toldOutOfDate() {
    return std::any_of(host().boxes.begin(), host().boxes.end(),
                       [](const auto& box) { return box.text.rfind("Out-of-date", 0) == 0; });
}

// The bytes the loader may change: each text's last character, the delays,
// the number of rolls and the later flags of the two level groups.
bool mayBeMended(std::size_t offset) {
    const auto inField = [&](std::size_t at, std::size_t size) {
        return offset >= at && offset < at + size;
    };
    if (offset == prf::player1Name + 8 || offset == prf::player2Name + 8 ||
        offset == prf::musicFile + 255)
        return true;
    for (std::size_t table : {prf::shutTheBoxTopScores, prf::tenThouTopScores, prf::coinTally,
                              prf::billionaireClub, prf::pokerDiceTopScores})
        if (offset >= table && offset < table + prf::tableSize &&
            (offset - table) % prf::nameScoreSize == 8)
            return true;
    return inField(prf::shutTheBoxDelay, 4) || inField(prf::tenThouDelay, 4) ||
           inField(prf::pokerDiceDelay, 4) || inField(prf::rollsPerTurn, 4) ||
           offset == prf::tenThouMage || offset == prf::tenThouWizard ||
           offset == prf::pokerDiceMage || offset == prf::pokerDiceWizard;
}

// What every record the program holds must satisfy, however damaged the file.
void checkSound(const PreferencesRecord& r) {
    check(r.player1().size() <= 8 && r.player2().size() <= 8, "a player name runs past its field");
    check(r.musicFileName().size() <= 255, "the music file runs past its field");
    for (const ScoreTable* table : {&r.shutTheBoxTopScores, &r.tenThouTopScores, &r.coinTally,
                                    &r.billionaireClub, &r.pokerDiceTopScores})
        for (const NameScore& entry : *table)
            check(entry.nameString().size() <= 8, "a table name runs past its field");
    for (std::int32_t delay : {r.shutTheBoxDelay, r.tenThouDelay, r.pokerDiceDelay})
        check(delay >= 0 && delay <= PreferencesRecord::maxDelay, "a delay out of range");
    check(r.rollsPerTurn == 2 || r.rollsPerTurn == 3, "rolls per turn out of range");
    check((r.tenThouApprentice != 0) + (r.tenThouMage != 0) + (r.tenThouWizard != 0) <= 1,
          "two 10,000 levels at once");
    check((r.pokerDiceApprentice != 0) + (r.pokerDiceMage != 0) + (r.pokerDiceWizard != 0) <= 1,
          "two Poker Dice levels at once");
}

// A record's saved bytes load back to the very same bytes.
void checkSurvivesSaving(const PreferencesRecord& r) {
    const Bytes saved = r.toBytes();
    check(PreferencesRecord::fromBytes(saved).toBytes() == saved,
          "a record does not survive saving and loading");
}

int indexOf(const ScoreTable& table, const std::string& name) {
    for (int i = 1; i <= 10; ++i)
        if (table[i].nameString() == name)
            return i;
    return 0;
}

void exerciseTables(PreferencesRecord& r) {
    const std::string first = r.player1();
    const std::string second = r.player2();

    // The tables' order is the unit tests' to check; here entries of any kind.
    if (enterTopScore(r.tenThouTopScores, first, r.currentTip))
        check(indexOf(r.tenThouTopScores, first) != 0, "an entered score is not in the table");
    for (ScoreTable* coins : {&r.pokerDiceTopScores, &r.billionaireClub})
        enterCoinTopScore(*coins, second, r.player2Coins);
    if (admitToBillionaireClub(r.billionaireClub, second, r.player1Coins))
        check(indexOf(r.billionaireClub, second) != 0, "an admitted member is missing");
    checkClubAdmissionOfPlayer1(r);

    // The tally follows a person: adopted or newly listed, then kept.
    AdoptCoins(r, r.player1(), 1);
    check(indexOf(r.coinTally, r.player1()) != 0, "an adopted player is not in the tally");
    StoreCoins(r, r.player1(), 1);
    check(static_cast<std::uint32_t>(r.coinTally[indexOf(r.coinTally, r.player1())].value) ==
              r.player1Coins,
          "stored coins are not in the tally");
    AdoptCoins(r, r.player2(), 2);
}

void exerciseNames(PreferencesRecord& r) {
    std::string name = r.player1();
    UpperCaseName(name);
    check(name.size() == r.player1().size(), "upper-casing changed a name's length");
    CheckNameClash(r);
    check(r.player1() != r.player2(), "the players still share a name");
    applyEnteredNames(r, r.player2(), r.musicFileName());
    check(r.player1() != r.player2(), "entered names still clash");
}

void exerciseViews(const PreferencesRecord& r) {
    for (const std::string& text :
         {tenThouTopScoresText(r), shutTheBoxTopScoresText(r), pokerDiceTopScoresText(r)})
        check(text.find('\0') == std::string::npos, "a top-score text holds a NUL");
}

void exerciseRecord(PreferencesRecord& r) {
    checkSound(r);
    exerciseViews(r);
    exerciseTables(r);
    exerciseNames(r);
    checkSound(r);
    for (int count : {1, 11, 255}) {
        const int tip = nextTipNumber(r.currentTip, count);
        check(tip >= 1 && tip <= count, "the next tip is out of range");
    }
    checkSurvivesSaving(r);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    host().boxes.clear();

    // Through the loader, as at start-up. The names asked for come from the
    // input's last bytes, so that they may clash or be empty.
    static const fuzz::ScratchFile scratch(".prf");
    const std::string& file = scratch.write(data, size);
    const std::size_t tail = std::min<std::size_t>(size, 16);
    const std::string asked(reinterpret_cast<const char*>(data) + (size - tail), tail);
    int askedCount = 0;
    PreferencesRecord record;
    LoadPreferences(record, file, [&](PreferencesRecord& r) {
        ++askedCount;
        applyEnteredNames(r, asked.substr(0, tail / 2), asked.substr(tail / 2));
    });
    check(askedCount <= 1, "the names were asked for twice");
    check((size < PreferencesRecord::fileSize) == toldOutOfDate(),
          "a short file must be reported, a full one not");
    exerciseRecord(record);

    if (size >= PreferencesRecord::fileSize) {
        Bytes file{};
        std::copy_n(data, file.size(), file.begin());
        // Saving changes the file only where loading mended it.
        PreferencesRecord loaded = PreferencesRecord::fromBytes(file);
        const Bytes saved = loaded.toBytes();
        for (std::size_t i = 0; i < saved.size(); ++i)
            check(saved[i] == file[i] || mayBeMended(i),
                  "saving changed a byte loading had no reason to mend");
        checkSurvivesSaving(loaded);
        exerciseRecord(loaded);
    }
    return 0;
}
