// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PreferencesRecord.h"

#include "GameSettings.h"

#include <algorithm>
#include <cstring>

namespace tumbledown {

std::string NameScore::nameString() const {
    return textOf(name);
}
void NameScore::setName(const std::string& text) {
    copyText(name, text);
}

std::string PreferencesRecord::player1() const {
    return textOf(player1Name);
}
std::string PreferencesRecord::player2() const {
    return textOf(player2Name);
}
void PreferencesRecord::setPlayer1(const std::string& name) {
    copyText(player1Name, name);
}
void PreferencesRecord::setPlayer2(const std::string& name) {
    copyText(player2Name, name);
}
std::string PreferencesRecord::musicFileName() const {
    return textOf(musicFile);
}
void PreferencesRecord::setMusicFile(const std::string& path) {
    copyText(musicFile, path);
}

namespace {

using Bytes = std::array<std::uint8_t, PreferencesRecord::fileSize>;

// Writes fields in file order and checks each lands at its documented offset.
class Writer {
public:
    explicit Writer(Bytes& bytes) : bytes_(bytes) {}
    Writer& at(std::size_t offset) {
        expected_ = offset;
        return *this;
    }
    void u8(std::uint8_t value) {
        check();
        bytes_[pos_++] = value;
    }
    void u32(std::uint32_t value) {
        check();
        for (int i = 0; i < 4; ++i)
            bytes_[pos_++] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    template <std::size_t N> void text(const std::array<char, N>& chars) {
        check();
        for (char c : chars)
            bytes_[pos_++] = static_cast<std::uint8_t>(c);
    }
    void table(const ScoreTable& table) {
        check();
        for (const NameScore& entry : table) {
            for (char c : entry.name)
                bytes_[pos_++] = static_cast<std::uint8_t>(c);
            expected_ = pos_;
            i32(entry.value);
        }
    }
    std::size_t position() const { return pos_; }

private:
    void check() const {
        if (pos_ != expected_)
            std::abort(); // a layout slip is a programming error, never data
    }
    Bytes& bytes_;
    std::size_t pos_ = 0;
    std::size_t expected_ = 0;
};

class Reader {
public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
    std::uint8_t u8(std::size_t offset) const { return bytes_[offset]; }
    std::uint32_t u32(std::size_t offset) const {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::uint32_t{bytes_[offset + i]} << (8 * i);
        return value;
    }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
    template <std::size_t N> void text(std::size_t offset, std::array<char, N>& chars) const {
        for (std::size_t i = 0; i < N; ++i)
            chars[i] = static_cast<char>(bytes_[offset + i]);
    }
    void table(std::size_t offset, ScoreTable& table) const {
        for (std::size_t i = 0; i < table.size(); ++i) {
            const std::size_t entry = offset + i * prf::nameScoreSize;
            text(entry, table[i].name);
            table[i].value = i32(entry + 9);
        }
    }

private:
    const Bytes& bytes_;
};

template <std::size_t N> void terminate(std::array<char, N>& chars) {
    chars[N - 1] = '\0';
}

void terminateNames(ScoreTable& table) {
    for (NameScore& entry : table)
        terminate(entry.name);
}

} // namespace

std::array<std::uint8_t, PreferencesRecord::fileSize> PreferencesRecord::toBytes() const {
    Bytes bytes{};
    Writer w(bytes);
    w.at(prf::resetFlag).u8(resetFlag);
    w.at(prf::player1Name).text(player1Name);
    w.at(prf::player2Name).text(player2Name);
    w.at(prf::musicOn).u8(musicOn);
    w.at(prf::musicFile).text(musicFile);
    w.at(prf::soundOn).u8(soundOn);
    w.at(prf::currentTip).i32(currentTip);
    w.at(prf::shutTheBoxWelcome).u8(shutTheBoxWelcome);
    w.at(prf::shutTheBoxVsComputer).u8(shutTheBoxVsComputer);
    w.at(prf::shutTheBoxDelay).i32(shutTheBoxDelay);
    w.at(prf::gremlinOn).u8(gremlinOn);
    w.at(prf::shutTheBoxTopScores).table(shutTheBoxTopScores);
    w.at(prf::tenThouWelcome).u8(tenThouWelcome);
    w.at(prf::tenThouApprentice).u8(tenThouApprentice);
    w.at(prf::tenThouMage).u8(tenThouMage);
    w.at(prf::tenThouWizard).u8(tenThouWizard);
    w.at(prf::tenThouDelay).i32(tenThouDelay);
    w.at(prf::tenThouTopScores).table(tenThouTopScores);
    w.at(prf::pokerDiceWelcome).u8(pokerDiceWelcome);
    w.at(prf::pokerDiceApprentice).u8(pokerDiceApprentice);
    w.at(prf::pokerDiceMage).u8(pokerDiceMage);
    w.at(prf::pokerDiceWizard).u8(pokerDiceWizard);
    w.at(prf::coinTally).table(coinTally);
    w.at(prf::billionaireClub).table(billionaireClub);
    w.at(prf::acesWild).u8(acesWild);
    w.at(prf::pokerDiceDelay).i32(pokerDiceDelay);
    w.at(prf::rollsPerTurn).i32(rollsPerTurn);
    w.at(prf::bet).i32(bet);
    w.at(prf::player1Coins).u32(player1Coins);
    w.at(prf::player2Coins).u32(player2Coins);
    w.at(prf::pokerDiceTopScores).table(pokerDiceTopScores);
    if (w.position() != fileSize)
        std::abort();
    return bytes;
}

PreferencesRecord PreferencesRecord::fromBytes(const Bytes& bytes) {
    const Reader r(bytes);
    PreferencesRecord p;
    p.resetFlag = r.u8(prf::resetFlag);
    r.text(prf::player1Name, p.player1Name);
    r.text(prf::player2Name, p.player2Name);
    p.musicOn = r.u8(prf::musicOn);
    r.text(prf::musicFile, p.musicFile);
    p.soundOn = r.u8(prf::soundOn);
    p.currentTip = r.i32(prf::currentTip);
    p.shutTheBoxWelcome = r.u8(prf::shutTheBoxWelcome);
    p.shutTheBoxVsComputer = r.u8(prf::shutTheBoxVsComputer);
    p.shutTheBoxDelay = r.i32(prf::shutTheBoxDelay);
    p.gremlinOn = r.u8(prf::gremlinOn);
    r.table(prf::shutTheBoxTopScores, p.shutTheBoxTopScores);
    p.tenThouWelcome = r.u8(prf::tenThouWelcome);
    p.tenThouApprentice = r.u8(prf::tenThouApprentice);
    p.tenThouMage = r.u8(prf::tenThouMage);
    p.tenThouWizard = r.u8(prf::tenThouWizard);
    p.tenThouDelay = r.i32(prf::tenThouDelay);
    r.table(prf::tenThouTopScores, p.tenThouTopScores);
    p.pokerDiceWelcome = r.u8(prf::pokerDiceWelcome);
    p.pokerDiceApprentice = r.u8(prf::pokerDiceApprentice);
    p.pokerDiceMage = r.u8(prf::pokerDiceMage);
    p.pokerDiceWizard = r.u8(prf::pokerDiceWizard);
    r.table(prf::coinTally, p.coinTally);
    r.table(prf::billionaireClub, p.billionaireClub);
    p.acesWild = r.u8(prf::acesWild);
    p.pokerDiceDelay = r.i32(prf::pokerDiceDelay);
    p.rollsPerTurn = r.i32(prf::rollsPerTurn);
    p.bet = r.i32(prf::bet);
    p.player1Coins = r.u32(prf::player1Coins);
    p.player2Coins = r.u32(prf::player2Coins);
    r.table(prf::pokerDiceTopScores, p.pokerDiceTopScores);
    p.sanitize();
    return p;
}

void PreferencesRecord::sanitize() {
    terminate(player1Name);
    terminate(player2Name);
    terminate(musicFile);
    for (ScoreTable* table : {&shutTheBoxTopScores, &tenThouTopScores, &coinTally, &billionaireClub,
                              &pokerDiceTopScores})
        terminateNames(*table);
    for (std::int32_t* delay : {&shutTheBoxDelay, &tenThouDelay, &pokerDiceDelay})
        *delay = std::clamp(*delay, 0, maxDelay);
    if (rollsPerTurn != 2 && rollsPerTurn != 3)
        rollsPerTurn = 3;
    TenThouSettings(*this).keepFirstLevel();
    PokerDiceSettings(*this).keepFirstLevel();
}

} // namespace tumbledown
