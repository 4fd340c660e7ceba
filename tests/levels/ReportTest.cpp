// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool's outputs: the JSON of docs/levels.md and the help's tables, from
// one small run of the real simulation (the text tables are read from the tool).

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
    // The header of each object is read from the tool itself.
    const std::size_t rowsOf[] = {6, 24, 4};
    for (std::size_t g = 0; g < runs().size(); ++g) {
        const std::string text = jsonReport(runs()[g]);
        SCOPED_TRACE(text.substr(0, 200));
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
        EXPECT_EQ(rows.size(), rowsOf[g]);
        EXPECT_EQ(settings.size(), rowsOf[g]) << "a setting is missing or twice";
        EXPECT_EQ(gamesTo100, g == 2 ? 2 : 0);
    }
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

// Grouped thousands, which a short run's tables above do not show.
TEST(FigureCells, ReadsGroupedThousands) {
    const auto cells = shownFigures("<td class=\"num\" data-figure=\"d\">1,234.5</td>");
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].value, 1234.5);
    EXPECT_NEAR(cells[0].halfUnit, 0.05, 1e-12);
}

} // namespace
} // namespace tumbledown::levels
