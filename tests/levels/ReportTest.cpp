// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool's outputs: the JSON of docs/levels.md, the text tables and the
// help's tables, all from one small run of the real simulation.

#include "Report.h"
#include "FigureCells.h"
#include "Levels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <set>

namespace tumbledown::levels {
namespace {

const std::vector<GameResults>& runs() {
    static const std::vector<GameResults> results = [] {
        RunOptions options;
        options.seed = 12;
        options.games = 240;
        options.threads = 2;
        std::vector<GameResults> r;
        for (Game g : {Game::TenThousand, Game::PokerDice, Game::ShutTheBox})
            r.push_back(run(g, options));
        return r;
    }();
    return results;
}

// What every object of the results holds to, nested ones too: all 240 games
// counted once, each share its count over them and inside its interval, each
// mean inside its own, the outcomes adding up.
void expectConsistent(const QJsonObject& o) {
    const double of = o.contains("played") ? o["played"].toDouble() : o["turns"].toDouble();
    EXPECT_EQ(of, 240);
    double outcomes = 0;
    for (const QString& key : o.keys()) {
        const std::string name = key.toStdString();
        SCOPED_TRACE(name);
        if (key == "won" || key == "lost" || key == "tied" || key == "a_won" || key == "b_won")
            outcomes += o[key].toDouble();
        EXPECT_TRUE((key != "a" && key != "b") ||
                    QStringList({"apprentice", "mage", "wizard"}).contains(o[key].toString()));
        if (o[key].isObject())
            expectConsistent(o[key].toObject());
        if (!key.endsWith("_ci"))
            continue;
        const QString figure = key.chopped(3);
        const bool share = o.contains(figure + "_rate");
        const double value = o[share ? figure + "_rate" : figure].toDouble();
        const QJsonArray ci = o[key].toArray();
        ASSERT_EQ(ci.size(), 2);
        EXPECT_LE(ci[0].toDouble(), value + 1e-6);
        EXPECT_GE(ci[1].toDouble(), value - 1e-6);
        if (share) {
            EXPECT_NEAR(value, o[figure].toDouble() / of, 1e-6);
            EXPECT_GE(ci[0].toDouble(), 0.0);
            EXPECT_LE(ci[1].toDouble(), 1.0);
        }
    }
    EXPECT_EQ(outcomes, o.contains("tied") ? of : 0.0);
    if (o.contains("played") && o.contains("turns")) {
        EXPECT_GT(o["turns"].toDouble(), 10 * of);
    }
}

TEST(Reports, TheJsonHoldsEveryRowOnceWithConsistentFigures) {
    const std::vector<std::pair<std::string, std::size_t>> expected{
        {"tenthousand", 6}, {"pokerdice", 24}, {"shutthebox", 4}};
    for (std::size_t g = 0; g < runs().size(); ++g) {
        const std::string text = jsonReport(runs()[g]);
        SCOPED_TRACE(text.substr(0, 200));
        EXPECT_EQ(text.rfind("{\"game\": \"" + expected[g].first +
                                 "\", \"seed\": 12, \"games\": 240, \"threads\": 2, ",
                             0),
                  0u);
        const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
        const QJsonArray rows = doc["results"].toArray();
        std::set<std::string> settings;
        int gamesTo100 = 0;
        for (const QJsonValue& value : rows) {
            const QJsonObject r = value.toObject();
            expectConsistent(r);
            std::string setting;
            for (const char* k : {"a", "b", "rolls", "aces_wild", "player", "gremlin"})
                setting += r[k].toVariant().toString().toStdString() + "/";
            settings.insert(setting);
            if (r.contains("a_coins_per_hand")) {
                EXPECT_EQ(doc["bet"].toDouble(), 100);
                EXPECT_NEAR(r["a_coins_per_hand"].toDouble(),
                            100 * (r["a_won"].toDouble() - r["b_won"].toDouble()) / 240, 1e-6);
            }
            if (r.contains("player")) {
                const double mean = r["mean_round_score"].toDouble();
                EXPECT_TRUE(mean >= 0 && mean <= 45) << mean;
                EXPECT_GT(r["exact_mean_round_score"].toDouble(), 5);
                EXPECT_GT(r["exact_shut_rate"].toDouble(), 0.01);
                EXPECT_EQ(r.contains("games_to_100_vs_optimal"), r["player"] == "computer");
                gamesTo100 += r.contains("games_to_100_vs_optimal");
            }
        }
        EXPECT_EQ(rows.size(), expected[g].second);
        EXPECT_EQ(settings.size(), expected[g].second) << "a setting is missing or twice";
        EXPECT_EQ(gamesTo100, g == 2 ? 2 : 0);
    }
}

TEST(Reports, TheTextTablesNameThePairingsAndTheSpeed) {
    const std::string ten = textReport(runs()[0]);
    EXPECT_NE(ten.find("WIZARD v APPRENTICE"), std::string::npos) << ten;
    EXPECT_NE(ten.find("seed 12"), std::string::npos);
    EXPECT_NE(ten.find("per processor second"), std::string::npos);
    const std::string poker = textReport(runs()[1]);
    EXPECT_NE(poker.find("MAGE v APPRENTICE"), std::string::npos);
    EXPECT_NE(poker.find("wild"), std::string::npos);
    const std::string box = textReport(runs()[2]);
    EXPECT_NE(box.find("BEST PLAY, Gremlin"), std::string::npos);
    EXPECT_NE(box.find("games to 100"), std::string::npos);
}

// Every figure the help tables show is one the run measured, shown correctly.
TEST(Reports, TheHelpTablesShowTheRunsFigures) {
    for (const GameResults& r : runs()) {
        std::map<std::string, Figure> byKey;
        for (const Figure& f : figures(r))
            EXPECT_TRUE(byKey.emplace(f.key, f).second) << "two figures called " << f.key;
        const auto shown = shownFigures(htmlReport(r));
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
    const std::vector<std::tuple<std::string, double, double>> expected{
        {"a", 0.712, 0.0005}, {"b", -12.35, 0.005}, {"c", 3, 0.5}, {"d", 1234.5, 0.05}};
    ASSERT_EQ(cells.size(), expected.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(cells[i].key, std::get<0>(expected[i]));
        EXPECT_NEAR(cells[i].value, std::get<1>(expected[i]), 1e-12) << cells[i].key;
        EXPECT_NEAR(cells[i].halfUnit, std::get<2>(expected[i]), 1e-12) << cells[i].key;
    }
}

} // namespace
} // namespace tumbledown::levels
