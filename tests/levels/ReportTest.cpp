// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool's outputs: the JSON of docs/levels.md, the text tables and the
// help's tables, all from small runs of the real simulation.

#include "Report.h"
#include "FigureCells.h"
#include "Json.h"
#include "Levels.h"

#include <gtest/gtest.h>

#include <set>

namespace tumbledown::levels {
namespace {

using testing::JsonValue;
using testing::parseJson;

class Reports : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        runs = new std::vector<GameResults>;
        RunOptions options;
        options.seed = 12;
        options.games = 240;
        options.threads = 2;
        for (Game g : {Game::TenThousand, Game::PokerDice, Game::ShutTheBox})
            runs->push_back(run(g, options));
    }
    static void TearDownTestSuite() {
        delete runs;
        runs = nullptr;
    }
    static const GameResults& of(Game g) { return (*runs)[static_cast<std::size_t>(g)]; }
    static JsonValue json(Game g) { return parseJson(jsonReport(of(g))); }

    static std::vector<GameResults>* runs;
};

std::vector<GameResults>* Reports::runs = nullptr;

void expectRate(const JsonValue& r, const std::string& name, double count, double of) {
    const double rate = r[name + "_rate"].number;
    EXPECT_NEAR(rate, count / of, 1e-6) << name;
    const JsonValue& ci = r[name + "_ci"];
    ASSERT_EQ(ci.items.size(), 2u);
    EXPECT_LE(ci.items[0].number, rate + 1e-6) << name;
    EXPECT_GE(ci.items[1].number, rate - 1e-6) << name;
    EXPECT_GE(ci.items[0].number, 0.0);
    EXPECT_LE(ci.items[1].number, 1.0);
}

const std::set<std::string> levelNames{"apprentice", "mage", "wizard"};

TEST_F(Reports, TenThousandJsonHasEveryPairingAndConsistentCounts) {
    const JsonValue doc = json(Game::TenThousand);
    EXPECT_EQ(doc["game"].text, "tenthousand");
    EXPECT_EQ(doc["seed"].number, 12);
    const std::string text = jsonReport(of(Game::TenThousand));
    EXPECT_EQ(text.rfind("{\"game\": ", 0), 0u) << "the game first, then the seed";
    EXPECT_LT(text.find("\"game\""), text.find("\"seed\""));
    const auto& results = doc["results"].items;
    ASSERT_EQ(results.size(), 6u);
    std::set<std::pair<std::string, std::string>> pairings;
    for (const JsonValue& r : results) {
        EXPECT_TRUE(levelNames.count(r["a"].text)) << r["a"].text;
        EXPECT_TRUE(levelNames.count(r["b"].text)) << r["b"].text;
        pairings.insert({r["a"].text, r["b"].text});
        const double played = r["played"].number;
        EXPECT_EQ(played, 240);
        EXPECT_EQ(r["a_won"].number + r["b_won"].number + r["tied"].number, played);
        expectRate(r, "a_won", r["a_won"].number, played);
        expectRate(r, "b_won", r["b_won"].number, played);
        expectRate(r, "tied", r["tied"].number, played);
        expectRate(r, "starter_won", r["starter_won"].number, played);
        EXPECT_GT(r["turns"].number, played * 10);
    }
    EXPECT_EQ(pairings.size(), 6u);
    EXPECT_TRUE(pairings.count({"wizard", "apprentice"}));
}

TEST_F(Reports, PokerDiceJsonCoversEverySetting) {
    const JsonValue doc = json(Game::PokerDice);
    EXPECT_EQ(doc["game"].text, "pokerdice");
    EXPECT_EQ(doc["bet"].number, 100);
    const auto& results = doc["results"].items;
    ASSERT_EQ(results.size(), 24u);
    std::set<std::string> settings;
    for (const JsonValue& r : results) {
        EXPECT_TRUE(levelNames.count(r["a"].text));
        EXPECT_TRUE(r["aces_wild"].isBool);
        const double rolls = r["rolls"].number;
        EXPECT_TRUE(rolls == 2 || rolls == 3);
        settings.insert(r["a"].text + r["b"].text + std::to_string(rolls) +
                        (r["aces_wild"].boolean ? "w" : ""));
        const double played = r["played"].number;
        EXPECT_EQ(r["a_won"].number + r["b_won"].number + r["tied"].number, played);
        expectRate(r, "a_won", r["a_won"].number, played);
        EXPECT_NEAR(r["a_coins_per_hand"].number,
                    100 * (r["a_won"].number - r["b_won"].number) / played, 1e-6);
        const JsonValue& ci = r["a_coins_per_hand_ci"];
        EXPECT_LE(ci.items[0].number, r["a_coins_per_hand"].number);
        EXPECT_GE(ci.items[1].number, r["a_coins_per_hand"].number);
    }
    EXPECT_EQ(settings.size(), 24u);
}

TEST_F(Reports, ShutTheBoxJsonHasBothPlayersAndTheGamesTo100) {
    const JsonValue doc = json(Game::ShutTheBox);
    EXPECT_EQ(doc["game"].text, "shutthebox");
    const auto& results = doc["results"].items;
    ASSERT_EQ(results.size(), 4u);
    int withGames = 0;
    std::set<std::string> rows;
    for (const JsonValue& r : results) {
        const std::string player = r["player"].text;
        EXPECT_TRUE(player == "computer" || player == "optimal") << player;
        rows.insert(player + (r["gremlin"].boolean ? "+" : "-"));
        EXPECT_EQ(r["turns"].number, 240);
        EXPECT_LE(r["shut"].number, r["turns"].number);
        expectRate(r, "shut", r["shut"].number, r["turns"].number);
        const double mean = r["mean_round_score"].number;
        EXPECT_GE(mean, 0);
        EXPECT_LE(mean, 45);
        EXPECT_LE(r["mean_round_score_ci"].items[0].number, mean);
        EXPECT_GT(r["exact_mean_round_score"].number, 5);
        EXPECT_GT(r["exact_shut_rate"].number, 0.01);
        if (r.has("games_to_100_vs_optimal")) {
            ++withGames;
            EXPECT_EQ(player, "computer");
            const JsonValue& g = r["games_to_100_vs_optimal"];
            EXPECT_EQ(g["played"].number, 240);
            EXPECT_EQ(g["won"].number + g["lost"].number + g["tied"].number, 240);
            expectRate(g, "won", g["won"].number, 240);
        }
    }
    EXPECT_EQ(rows.size(), 4u);
    EXPECT_EQ(withGames, 2);
}

TEST_F(Reports, TheTextTablesNameThePairingsAndTheSpeed) {
    const std::string ten = textReport(of(Game::TenThousand));
    EXPECT_NE(ten.find("WIZARD v APPRENTICE"), std::string::npos) << ten;
    EXPECT_NE(ten.find("seed 12"), std::string::npos);
    EXPECT_NE(ten.find("per processor second"), std::string::npos);
    const std::string poker = textReport(of(Game::PokerDice));
    EXPECT_NE(poker.find("MAGE v APPRENTICE"), std::string::npos);
    EXPECT_NE(poker.find("wild"), std::string::npos);
    const std::string box = textReport(of(Game::ShutTheBox));
    EXPECT_NE(box.find("BEST PLAY, Gremlin"), std::string::npos);
    EXPECT_NE(box.find("games to 100"), std::string::npos);
}

// Every figure the help tables show is one the run measured, shown correctly.
TEST_F(Reports, TheHelpTablesShowTheRunsFigures) {
    for (Game g : {Game::TenThousand, Game::PokerDice, Game::ShutTheBox}) {
        std::map<std::string, Figure> byKey;
        for (const Figure& f : figures(of(g)))
            EXPECT_TRUE(byKey.emplace(f.key, f).second) << "two figures called " << f.key;
        const auto shown = shownFigures(htmlReport(of(g)));
        EXPECT_GT(shown.size(), 8u);
        for (const auto& s : shown) {
            ASSERT_TRUE(byKey.count(s.key)) << s.key;
            EXPECT_NEAR(s.value, byKey.at(s.key).value(), s.halfUnit + 1e-12) << s.key;
        }
    }
}

TEST(FigureCells, ReadsTheNumbersAsShown) {
    const auto cells = shownFigures(
        "<td class=\"num\" data-figure=\"a\">71.2%<span class=\"ci\"> 70.9&ndash;71.5</span></td>"
        "<td data-figure=\"b\">&minus;12.35</td><td data-figure=\"c\">+3</td>"
        "<td data-figure=\"d\">1,234.5</td>");
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].key, "a");
    EXPECT_NEAR(cells[0].value, 0.712, 1e-12);
    EXPECT_NEAR(cells[0].halfUnit, 0.0005, 1e-12);
    EXPECT_NEAR(cells[1].value, -12.35, 1e-12);
    EXPECT_NEAR(cells[1].halfUnit, 0.005, 1e-12);
    EXPECT_NEAR(cells[2].value, 3, 1e-12);
    EXPECT_NEAR(cells[2].halfUnit, 0.5, 1e-12);
    EXPECT_NEAR(cells[3].value, 1234.5, 1e-12);
}

TEST(GameNames, AcceptTheUsualSpellings) {
    EXPECT_EQ(parseGame("10000"), Game::TenThousand);
    EXPECT_EQ(parseGame("10,000"), Game::TenThousand);
    EXPECT_EQ(parseGame("TenThousand"), Game::TenThousand);
    EXPECT_EQ(parseGame("pokerdice"), Game::PokerDice);
    EXPECT_EQ(parseGame("Shut-The-Box"), Game::ShutTheBox);
    EXPECT_EQ(parseGame("stb"), Game::ShutTheBox);
    EXPECT_EQ(parseGame("chess"), std::nullopt);
}

} // namespace
} // namespace tumbledown::levels
