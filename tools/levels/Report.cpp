// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Report.h"
#include "Runner.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace tumbledown::levels {

namespace {

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string padRight(std::string s, std::size_t width) {
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

std::string padLeft(std::string s, std::size_t width) {
    if (s.size() < width)
        s.insert(0, width - s.size(), ' ');
    return s;
}

std::string upper(const char* name) {
    std::string s = name;
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// "71.23% (70.95-71.51)"
std::string percentWithInterval(const Proportion& p) {
    const Interval ci = p.interval();
    return format("%.2f%%", 100 * p.rate()) + format(" (%.2f", 100 * ci.low) +
           format("-%.2f)", 100 * ci.high);
}

std::string meanWithInterval(const Mean& m, const char* pattern) {
    const Interval ci = m.interval();
    return format(pattern, m.value()) + " (" + format(pattern, ci.low) + " to " +
           format(pattern, ci.high) + ")";
}

std::string header(const GameResults& r, const std::string& what) {
    return std::string(gameTitle(r.game)) + ": seed " + std::to_string(r.options.seed) + ", " +
           grouped(r.options.games) + " " + what + ", " + std::to_string(r.options.threads) +
           (r.options.threads == 1 ? " thread" : " threads") + format(", %.1f s\n", r.seconds);
}

std::string pairingName(const std::string& a, const std::string& b) {
    return a + " v " + b;
}

// --- JSON ---------------------------------------------------------------------------------

class Json {
public:
    void open(char c) {
        comma();
        text_ += c;
        first_ = true;
    }
    void close(char c) {
        text_ += c;
        first_ = false;
    }
    void key(const std::string& k) {
        comma();
        text_ += "\"" + k + "\": ";
        first_ = true; // the value follows without a comma
    }
    void value(const std::string& s) {
        comma();
        text_ += "\"" + s + "\"";
    }
    void value(std::int64_t n) {
        comma();
        text_ += std::to_string(n);
    }
    void value(int n) { value(static_cast<std::int64_t>(n)); }
    void value(bool b) {
        comma();
        text_ += b ? "true" : "false";
    }
    void value(double x) {
        comma();
        text_ += format("%.6f", x);
    }
    void interval(const Interval& ci) {
        open('[');
        value(ci.low);
        value(ci.high);
        close(']');
    }
    template <typename T> void field(const std::string& k, const T& v) {
        key(k);
        value(v);
    }
    void field(const std::string& k, const char* v) { field(k, std::string(v)); }
    void rate(const std::string& name, const Proportion& p) {
        field(name + "_rate", p.rate());
        key(name + "_ci");
        interval(p.interval());
    }
    void mean(const std::string& name, const Mean& m) {
        field(name, m.value());
        key(name + "_ci");
        interval(m.interval());
    }
    const std::string& text() const { return text_; }

private:
    void comma() {
        if (!first_)
            text_ += ", ";
        first_ = false;
    }
    std::string text_;
    bool first_ = true;
};

// --- HTML ---------------------------------------------------------------------------------

// Each cell on a line of its own, so that the page's lines stay short.
std::string cell(const std::string& text) {
    return "\n<td>" + text + "</td>";
}

std::string numberCell(const std::string& text) {
    return "\n<td class=\"num\">" + text + "</td>";
}

std::string figureCell(const std::string& key, const std::string& shown,
                       const std::string& interval = "") {
    return "\n<td class=\"num\" data-figure=\"" + key + "\">" + shown +
           (interval.empty() ? "" : "<span class=\"ci\"> " + interval + "</span>") + "</td>";
}

// A table's caption and column heads; a head starting with '#' heads numbers.
std::string tableStart(const std::string& caption, std::initializer_list<std::string> heads) {
    std::string out = "<table class=\"levels\">\n<caption>" + caption + "</caption>\n<thead><tr>";
    for (const std::string& h : heads)
        out +=
            h[0] == '#' ? "\n<th class=\"num\">" + h.substr(1) + "</th>" : "\n<th>" + h + "</th>";
    return out + "</tr></thead>\n<tbody>\n";
}

const char* const tableEnd = "</tbody>\n</table>\n";

std::string percent(double x) {
    return format("%.1f%%", 100 * x);
}

std::string percentRange(const Interval& ci) {
    return format("%.1f&ndash;", 100 * ci.low) + format("%.1f", 100 * ci.high);
}

std::string signedNumber(double x, const char* pattern) {
    const std::string s = format(pattern, std::fabs(x));
    if (s == format(pattern, 0.0))
        return s;
    return (x < 0 ? "&minus;" : "+") + s;
}

std::string rateCell(const std::string& key, const Proportion& p) {
    return figureCell(key, percent(p.rate()), percentRange(p.interval()));
}

} // namespace

std::string displayName(Level level) {
    return upper(levelName(level));
}

std::string textReport(const GameResults& r) {
    std::string out;
    switch (r.game) {
    case Game::TenThousand: {
        out += header(r, "games per pairing");
        out += padRight("", 24) + padLeft("games", 10) + "   " + padRight("first named won", 24) +
               padRight("second named won", 24) + padRight("tied", 8) + "starter won\n";
        for (const TenThouRow& row : r.tenThousand) {
            const auto& t = row.tally;
            out += padRight(pairingName(displayName(row.a), displayName(row.b)), 24) +
                   padLeft(grouped(t.played), 10) + "   " +
                   padRight(percentWithInterval({t.aWon, t.played}), 24) +
                   padRight(percentWithInterval({t.bWon, t.played}), 24) +
                   padRight(format("%.2f%%", 100 * Proportion{t.tied, t.played}.rate()), 8) +
                   percentWithInterval({t.starterWon, t.played}) + "\n";
        }
        std::int64_t turns = 0;
        for (const TenThouRow& row : r.tenThousand)
            turns += row.tally.turns;
        out += grouped(turns) + " turns\n";
        break;
    }
    case Game::PokerDice: {
        out += header(r, "hands per pairing and setting") + "bet " +
               std::to_string(pokerdice::defaultBet) + " coins a hand\n";
        out += padRight("", 24) + padRight("rolls", 6) + padRight("aces", 6) +
               padLeft("hands", 11) + "   " + padRight("first named won", 24) +
               padRight("second named won", 24) + padRight("tied", 8) +
               "first named's coins a hand\n";
        for (const PokerRow& row : r.pokerDice) {
            const auto& t = row.tally;
            out += padRight(pairingName(displayName(row.setup.a), displayName(row.setup.b)), 24) +
                   padRight(std::to_string(row.setup.rolls), 6) +
                   padRight(row.setup.acesWild ? "wild" : "-", 6) + padLeft(grouped(t.played), 11) +
                   "   " + padRight(percentWithInterval({t.aWon, t.played}), 24) +
                   padRight(percentWithInterval({t.bWon, t.played}), 24) +
                   padRight(format("%.2f%%", 100 * Proportion{t.tied, t.played}.rate()), 8) +
                   meanWithInterval(t.aCoins, "%+.2f") + "\n";
        }
        break;
    }
    case Game::ShutTheBox: {
        out += header(r, "single turns and games to 100 per row");
        out += padRight("", 24) + padLeft("turns", 11) + "   " + padRight("box shut", 24) +
               padRight("exact", 10) + padRight("mean round score", 26) + "exact\n";
        for (const ShutTheBoxRow& row : r.shutTheBox) {
            out += padRight(std::string(row.optimal ? "BEST PLAY" : "COMPUTER") +
                                (row.gremlin ? ", Gremlin" : ""),
                            24) +
                   padLeft(grouped(row.turns.turns()), 11) + "   " +
                   padRight(percentWithInterval({row.turns.shut, row.turns.turns()}), 24) +
                   padRight(format("%.2f%%", 100 * row.exactShutRate), 10) +
                   padRight(meanWithInterval(row.turns.score, "%.3f"), 26) +
                   format("%.3f", row.exactMeanScore) + "\n";
        }
        std::int64_t gameTurns = 0;
        out += "\nCOMPUTER against BEST PLAY, games to 100:\n";
        out += padRight("", 24) + padLeft("games", 11) + "   " + padRight("COMPUTER won", 24) +
               padRight("BEST PLAY won", 24) + "tied\n";
        for (const ShutTheBoxRow& row : r.shutTheBox) {
            if (row.vsOptimal.played == 0)
                continue;
            const auto& g = row.vsOptimal;
            out += padRight(row.gremlin ? "with the Gremlin" : "without the Gremlin", 24) +
                   padLeft(grouped(g.played), 11) + "   " +
                   padRight(percentWithInterval({g.won, g.played}), 24) +
                   padRight(percentWithInterval({g.lost, g.played}), 24) +
                   format("%.2f%%", 100 * Proportion{g.tied, g.played}.rate()) + "\n";
            gameTurns += g.turns;
        }
        out += grouped(gameTurns) + " turns in the games to 100\n";
        break;
    }
    }
    for (const Throughput& t : r.throughput)
        out +=
            grouped(t.items) + " " + t.unit + format(" in %.2f s", t.wallSeconds) +
            format(" (%.0f/s)", t.wallSeconds > 0 ? t.items / t.wallSeconds : 0) +
            format(", %.2f processor s", t.cpuSeconds) +
            format(" (%.0f per processor second)\n", t.cpuSeconds > 0 ? t.items / t.cpuSeconds : 0);
    return out;
}

std::string jsonReport(const GameResults& r) {
    Json j;
    j.open('{');
    j.field("game", gameKey(r.game));
    j.field("seed", static_cast<std::int64_t>(r.options.seed));
    j.field("games", r.options.games);
    j.field("threads", r.options.threads);
    j.field("confidence", confidence95);
    if (r.game == Game::PokerDice)
        j.field("bet", static_cast<std::int64_t>(pokerdice::defaultBet));
    j.key("results");
    j.open('[');
    for (const TenThouRow& row : r.tenThousand) {
        const auto& t = row.tally;
        j.open('{');
        j.field("a", levelName(row.a));
        j.field("b", levelName(row.b));
        j.field("played", t.played);
        j.field("a_won", t.aWon);
        j.field("b_won", t.bWon);
        j.field("tied", t.tied);
        j.rate("a_won", {t.aWon, t.played});
        j.rate("b_won", {t.bWon, t.played});
        j.rate("tied", {t.tied, t.played});
        j.field("starter_won", t.starterWon);
        j.rate("starter_won", {t.starterWon, t.played});
        j.field("turns", t.turns);
        j.close('}');
    }
    for (const PokerRow& row : r.pokerDice) {
        const auto& t = row.tally;
        j.open('{');
        j.field("a", levelName(row.setup.a));
        j.field("b", levelName(row.setup.b));
        j.field("aces_wild", row.setup.acesWild);
        j.field("rolls", row.setup.rolls);
        j.field("played", t.played);
        j.field("a_won", t.aWon);
        j.field("b_won", t.bWon);
        j.field("tied", t.tied);
        j.rate("a_won", {t.aWon, t.played});
        j.rate("b_won", {t.bWon, t.played});
        j.rate("tied", {t.tied, t.played});
        j.mean("a_coins_per_hand", t.aCoins);
        j.close('}');
    }
    for (const ShutTheBoxRow& row : r.shutTheBox) {
        j.open('{');
        j.field("player", row.optimal ? "optimal" : "computer");
        j.field("gremlin", row.gremlin);
        j.field("turns", row.turns.turns());
        j.field("shut", row.turns.shut);
        j.rate("shut", {row.turns.shut, row.turns.turns()});
        j.mean("mean_round_score", row.turns.score);
        j.field("exact_shut_rate", row.exactShutRate);
        j.field("exact_mean_round_score", row.exactMeanScore);
        if (row.vsOptimal.played > 0) {
            const auto& g = row.vsOptimal;
            j.key("games_to_100_vs_optimal");
            j.open('{');
            j.field("played", g.played);
            j.field("won", g.won);
            j.field("lost", g.lost);
            j.field("tied", g.tied);
            j.field("turns", g.turns);
            j.rate("won", {g.won, g.played});
            j.rate("lost", {g.lost, g.played});
            j.rate("tied", {g.tied, g.played});
            j.close('}');
        }
        j.close('}');
    }
    j.close(']');
    j.close('}');
    return j.text() + "\n";
}

std::string htmlReport(const GameResults& r) {
    std::string out;
    switch (r.game) {
    case Game::TenThousand:
        out += tableStart("10,000: games to 10,000, each level in either seat, each starting half "
                          "the games",
                          {"Pairing", "#Games", "#First named wins", "#Second named wins", "#Ties",
                           "#The starter wins"});
        for (const TenThouRow& row : r.tenThousand) {
            const auto& t = row.tally;
            const std::string key =
                std::string("tenthousand:") + levelName(row.a) + "-" + levelName(row.b) + ":";
            out += "<tr>" + cell(pairingName(displayName(row.a), displayName(row.b))) +
                   numberCell(grouped(t.played)) + rateCell(key + "a_won", {t.aWon, t.played}) +
                   rateCell(key + "b_won", {t.bWon, t.played}) +
                   figureCell(key + "tied", percent(Proportion{t.tied, t.played}.rate())) +
                   rateCell(key + "starter_won", {t.starterWon, t.played}) + "</tr>\n";
        }
        out += tableEnd;
        break;
    case Game::PokerDice:
        out += tableStart("Poker Dice: hands at a bet of " + std::to_string(pokerdice::defaultBet) +
                              " coins, each side playing first in half of them",
                          {"Pairing", "Rolls", "Aces", "#Hands", "#First named wins",
                           "#Second named wins", "#Ties", "#First named's coins a hand"});
        for (const PokerRow& row : r.pokerDice) {
            const auto& s = row.setup;
            if (s.a == s.b)
                continue; // the help shows the pairings of different levels
            const auto& t = row.tally;
            const std::string key = std::string("pokerdice:") + levelName(s.a) + "-" +
                                    levelName(s.b) + ":" + std::to_string(s.rolls) +
                                    (s.acesWild ? ":wild:" : ":plain:");
            const Interval coins = t.aCoins.interval();
            out += "<tr>" + cell(pairingName(displayName(s.a), displayName(s.b))) +
                   cell(std::to_string(s.rolls)) + cell(s.acesWild ? "wild" : "&ndash;") +
                   numberCell(grouped(t.played)) + rateCell(key + "a_won", {t.aWon, t.played}) +
                   rateCell(key + "b_won", {t.bWon, t.played}) +
                   figureCell(key + "tied", percent(Proportion{t.tied, t.played}.rate())) +
                   figureCell(key + "coins", signedNumber(t.aCoins.value(), "%.1f"),
                              signedNumber(coins.low, "%.1f") + " to " +
                                  signedNumber(coins.high, "%.1f")) +
                   "</tr>\n";
        }
        out += tableEnd;
        break;
    case Game::ShutTheBox:
        out += tableStart("Shut The Box: single turns from nine open boxes",
                          {"Player", "Gremlin", "#Turns", "#Box shut", "#Exactly",
                           "#Mean round score", "#Exactly"});
        for (const ShutTheBoxRow& row : r.shutTheBox) {
            const std::string key = std::string("shutthebox:") +
                                    (row.optimal ? "optimal" : "computer") +
                                    (row.gremlin ? ":gremlin:" : ":plain:");
            const Interval score = row.turns.score.interval();
            out += "<tr>" + cell(row.optimal ? "Best play" : "COMPUTER") +
                   cell(row.gremlin ? "on" : "off") + numberCell(grouped(row.turns.turns())) +
                   rateCell(key + "shut", {row.turns.shut, row.turns.turns()}) +
                   figureCell(key + "exact_shut", format("%.2f%%", 100 * row.exactShutRate)) +
                   figureCell(key + "score", format("%.2f", row.turns.score.value()),
                              format("%.2f&ndash;", score.low) + format("%.2f", score.high)) +
                   figureCell(key + "exact_score", format("%.3f", row.exactMeanScore)) + "</tr>\n";
        }
        out += tableEnd;
        out += tableStart("Shut The Box: the COMPUTER against the best play, games to 100",
                          {"Gremlin", "#Games", "#COMPUTER wins", "#Best play wins", "#Ties"});
        for (const ShutTheBoxRow& row : r.shutTheBox) {
            if (row.vsOptimal.played == 0)
                continue;
            const auto& g = row.vsOptimal;
            const std::string key =
                std::string("shutthebox:computer") + (row.gremlin ? ":gremlin:" : ":plain:");
            out +=
                "<tr>" + cell(row.gremlin ? "on" : "off") + numberCell(grouped(g.played)) +
                rateCell(key + "won_vs_optimal", {g.won, g.played}) +
                rateCell(key + "lost_vs_optimal", {g.lost, g.played}) +
                figureCell(key + "tied_vs_optimal", percent(Proportion{g.tied, g.played}.rate())) +
                "</tr>\n";
        }
        out += tableEnd;
        break;
    }
    return out;
}

std::string htmlMadeBy(const std::vector<GameResults>& runs) {
    if (runs.empty())
        return "";
    const RunOptions& o = runs.front().options;
    std::string games;
    if (runs.size() < 3)
        for (const GameResults& r : runs)
            games += std::string(" --game ") + gameKey(r.game);
    return "<p class=\"levels-made\">Measured with <code>tumbledown-levels" + games + " --games " +
           std::to_string(o.games) + " --seed " + std::to_string(o.seed) +
           " --html</code>\n(any number of threads gives the same figures).</p>\n" +
           htmlChartPlace + "\n";
}

} // namespace tumbledown::levels
