// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks of the help document opened from the Help menu, the main screen and the boards, as
// the build makes it: an HTML page that needs nothing but its own pictures beside it, whose
// in-page links all resolve; and of its source, which holds no generated blob.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#if !defined(TUMBLEDOWN_HELP_FILE) || !defined(TUMBLEDOWN_HELP_SOURCE)
#error "TUMBLEDOWN_HELP_FILE and TUMBLEDOWN_HELP_SOURCE must name the built help and its source"
#endif

namespace {

struct Tag {
    std::string name; // lower case
    bool closing = false;
    bool selfClosing = false;
    std::vector<std::pair<std::string, std::string>> attributes; // lower-case name, value
};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The page's tags, without comments, the doctype or the text of <style> and <script>.
// Attributes may be quoted either way, unquoted or empty. Scanned by hand: a regular
// expression over the whole page recurses once per character and overflows the stack.
std::vector<Tag> parseTags(const std::string& html) {
    static const std::regex attribute(
        R"re(([^\s=/>]+)(?:\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))?)re");
    const std::string folded = lower(html);
    std::vector<Tag> tags;
    for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at)) {
        if (html.compare(at, 2, "<!") == 0) {
            at = html.find(html.compare(at, 4, "<!--") == 0 ? "-->" : ">", at);
            continue;
        }
        std::size_t name = at + 1;
        const bool closing = name < html.size() && html[name] == '/';
        name += closing ? 1 : 0;
        std::size_t inside = name;
        while (inside < html.size() &&
               (std::isalnum(static_cast<unsigned char>(html[inside])) ||
                std::string_view(":-_").find(html[inside]) != std::string_view::npos))
            ++inside;
        if (inside == name || !std::isalpha(static_cast<unsigned char>(html[name]))) {
            ++at;
            continue;
        }
        // The tag ends at the first '>' outside quotes.
        std::size_t close = inside;
        for (char quote = 0; close < html.size() && (quote || html[close] != '>'); ++close)
            if (html[close] == quote)
                quote = 0;
            else if (!quote && (html[close] == '"' || html[close] == '\''))
                quote = html[close];
        const std::string attributes = html.substr(inside, close - inside);
        Tag t{folded.substr(name, inside - name),
              closing,
              !attributes.empty() && attributes.back() == '/',
              {}};
        for (std::sregex_iterator a(attributes.begin(), attributes.end(), attribute), end; a != end;
             ++a)
            t.attributes.emplace_back(lower((*a)[1]),
                                      (*a)[2].str() + (*a)[3].str() + (*a)[4].str());
        at = close;
        if (!closing && (t.name == "style" || t.name == "script"))
            at = folded.find("</" + t.name, close);
        tags.push_back(std::move(t));
    }
    return tags;
}

// The values of one attribute over the opening tags (of one element, if named).
std::vector<std::string> values(const std::vector<Tag>& tags, const std::string& attribute,
                                const std::string& element = {}) {
    std::vector<std::string> found;
    for (const Tag& tag : tags)
        for (const auto& [name, value] : tag.attributes)
            if (!tag.closing && name == attribute && (element.empty() || tag.name == element))
                found.push_back(value);
    return found;
}

std::vector<std::string> anchorTargets(const std::vector<Tag>& tags) {
    std::vector<std::string> targets;
    for (const std::string& href : values(tags, "href"))
        if (href.starts_with('#'))
            targets.push_back(href.substr(1));
    return targets;
}

// Every reference to a resource outside the page: attribute values that are not in-page
// anchors, url(...) that is not a data: URL, @import, and elements that embed other documents.
std::vector<std::string> externalReferences(const std::string& html) {
    std::vector<std::string> found;
    const std::vector<Tag> tags = parseTags(html);
    for (const Tag& tag : tags) {
        static const std::set<std::string> embedding = {"link",   "base",  "iframe", "frame",
                                                        "object", "embed", "applet", "portal"};
        if (!tag.closing && embedding.count(tag.name))
            found.push_back("<" + tag.name + ">");
        for (const auto& [name, value] : tag.attributes) {
            static const std::set<std::string> referring = {
                "src",  "href",   "xlink:href", "srcset", "data",     "action",   "formaction",
                "cite", "poster", "background", "ping",   "longdesc", "manifest", "codebase"};
            if (referring.count(name) && !value.starts_with('#'))
                found.push_back(name + "=" + value);
            if (name == "http-equiv" && lower(value) == "refresh")
                found.push_back("meta refresh");
        }
    }
    static const std::regex outside(R"(url\((?!\s*["']?data:)|@import|://)", std::regex::icase);
    for (std::sregex_iterator it(html.begin(), html.end(), outside), end; it != end; ++it)
        found.push_back(html.substr(it->position(), 40));
    return found;
}

// The structural elements must be explicitly closed and properly nested: the first fault.
std::string structuralFault(const std::vector<Tag>& tags) {
    static const std::set<std::string> tracked = {
        "html",   "head",       "body", "header", "nav",     "main",  "section", "article",
        "aside",  "footer",     "div",  "table",  "caption", "thead", "tbody",   "tfoot",
        "tr",     "th",         "td",   "ul",     "ol",      "li",    "dl",      "dt",
        "dd",     "h1",         "h2",   "h3",     "h4",      "h5",    "h6",      "p",
        "figure", "figcaption", "svg",  "title",  "style"};
    std::vector<std::string> open;
    for (const Tag& tag : tags) {
        if (!tracked.count(tag.name) || tag.selfClosing)
            continue;
        if (!tag.closing)
            open.push_back(tag.name);
        else if (open.empty() || open.back() != tag.name)
            return "</" + tag.name + "> closes <" + (open.empty() ? "" : open.back()) + ">";
        else
            open.pop_back();
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

// A PNG's width and height from its header; 0 x 0 for anything else.
std::pair<int, int> pngSize(const std::filesystem::path& path) {
    const std::string head = readFile(path.string()).substr(0, 24);
    if (head.size() < 24 || head.compare(0, 16, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)))
        return {0, 0};
    const auto word = [&](int at) {
        int value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(head[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : ", ") + item;
    return out;
}

class HelpDocument : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        html_ = readFile(TUMBLEDOWN_HELP_FILE);
        tags_ = parseTags(html_);
    }
    static inline std::string html_;
    static inline std::vector<Tag> tags_;
};

TEST_F(HelpDocument, IsABalancedHtml5PageThatNeedsNothingButItsPictures) {
    ASSERT_GT(html_.size(), 20000u) << "missing or nearly empty: " << TUMBLEDOWN_HELP_FILE;
    const std::string text = lower(html_);
    EXPECT_EQ(text.rfind("<!doctype html>", 0), 0u) << "the page must start with the doctype";
    for (const char* part : {"<meta charset=\"utf-8\">", "<title>", "<html lang="})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_EQ(structuralFault(tags_), "");
    for (const char* once : {"html", "head", "body", "h1"})
        EXPECT_EQ(std::count_if(tags_.begin(), tags_.end(),
                                [&](const Tag& t) { return t.name == once && !t.closing; }),
                  1)
            << once;

    std::vector<std::string> found = externalReferences(html_);
    const std::vector<std::string> pictures = values(tags_, "src", "img");
    for (const std::string& picture : pictures)
        std::erase(found, "src=" + picture);
    EXPECT_TRUE(found.empty()) << "external references: " << joined(found);
    EXPECT_EQ(text.find("<script"), std::string::npos) << "the page needs no scripts";
    // The pictures of the screens lie beside the page, by bare name: PNGs of the board's size.
    EXPECT_GE(pictures.size(), 4u) << "a picture of the main screen and of each game";
    const std::filesystem::path folder = std::filesystem::path(TUMBLEDOWN_HELP_FILE).parent_path();
    for (const std::string& name : pictures) {
        EXPECT_EQ(name.find_first_of("/\\:"), std::string::npos) << name;
        EXPECT_EQ(pngSize(folder / name), (std::pair{632, 428})) << name;
    }
}

TEST_F(HelpDocument, EveryLinkHasItsTargetAndTheContentsComeFirst) {
    const std::vector<std::string> ids = values(tags_, "id");
    const std::set<std::string> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size()) << "an id is used more than once";
    std::vector<std::string> dangling;
    for (const std::string& target : anchorTargets(tags_))
        if (!unique.count(target))
            dangling.push_back(target);
    EXPECT_TRUE(dangling.empty()) << "links without a target: " << joined(dangling);

    const std::string text = lower(html_);
    const std::size_t nav = text.find("<nav");
    ASSERT_NE(nav, std::string::npos) << "no table of contents";
    EXPECT_LT(nav, text.find("<section")) << "the table of contents must come before the sections";
    const std::vector<std::string> toc =
        anchorTargets(parseTags(html_.substr(nav, text.find("</nav>", nav) - nav)));
    EXPECT_GE(toc.size(), 40u) << "the table of contents should link every section";
    for (const char* id : {"ten-thousand", "poker-dice", "shut-the-box", "undo", "keys", "options",
                           "music", "top-scores", "files"})
        EXPECT_NE(std::find(toc.begin(), toc.end(), id), toc.end()) << "no link to #" << id;
}

TEST_F(HelpDocument, NamesTheThreeGamesAndTheComputerLevels) {
    for (const char* name : {"10,000", "Poker Dice", "Shut The Box", "APPRENTICE", "MAGE", "WIZARD",
                             "COMPUTER", "Billionaire Club", "Gremlin", "tumbledown.prf", ".mid"})
        EXPECT_NE(html_.find(name), std::string::npos) << "the page never mentions " << name;
}

// The source is text a person edits: no encoded picture, no minified line.
TEST(HelpSource, HoldsNoBlob) {
    const std::string source = readFile(TUMBLEDOWN_HELP_SOURCE);
    ASSERT_GT(source.size(), 20000u) << TUMBLEDOWN_HELP_SOURCE;
    EXPECT_EQ(lower(source).find("base64"), std::string::npos);
    std::istringstream lines(source);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        EXPECT_LE(line.size(), 160u) << "line " << number << " of " << TUMBLEDOWN_HELP_SOURCE;
    }
}

} // namespace
