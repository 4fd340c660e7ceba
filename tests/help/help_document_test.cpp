// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks of the help document opened from the Help menu, the main screen and the boards, as
// the build makes it: an HTML page that needs nothing but its own pictures beside it, whose
// in-page links all resolve; and of its source, which holds no generated blob.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#if !defined(TUMBLEDOWN_HELP_FILE) || !defined(TUMBLEDOWN_HELP_SOURCE)
#error "TUMBLEDOWN_HELP_FILE and TUMBLEDOWN_HELP_SOURCE must name the built help and its source"
#endif

namespace {

struct Attribute {
    std::string name;  // lower case
    std::string value; // as written, quotes removed
};

struct Tag {
    std::string name; // lower case, without '/'
    bool closing = false;
    bool selfClosing = false;
    std::vector<Attribute> attributes;
};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Splits an HTML text into its tags. Comments, the doctype and the raw text of <style> and
// <script> elements are skipped. The parser is deliberately small: it understands quoted,
// unquoted and empty attributes, which is all a hand-written page needs.
std::vector<Tag> parseTags(const std::string& html) {
    std::vector<Tag> tags;
    std::size_t pos = 0;
    while ((pos = html.find('<', pos)) != std::string::npos) {
        if (html.compare(pos, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", pos + 4);
            pos = end == std::string::npos ? html.size() : end + 3;
            continue;
        }
        if (html.compare(pos, 2, "<!") == 0 || html.compare(pos, 2, "<?") == 0) {
            const std::size_t end = html.find('>', pos);
            pos = end == std::string::npos ? html.size() : end + 1;
            continue;
        }
        std::size_t i = pos + 1;
        Tag tag;
        if (i < html.size() && html[i] == '/') {
            tag.closing = true;
            ++i;
        }
        const std::size_t nameStart = i;
        while (i < html.size() && (std::isalnum(static_cast<unsigned char>(html[i])) ||
                                   html[i] == '-' || html[i] == ':')) {
            ++i;
        }
        if (i == nameStart) { // a lone '<' in text
            pos = pos + 1;
            continue;
        }
        tag.name = lower(html.substr(nameStart, i - nameStart));
        while (i < html.size() && html[i] != '>') {
            if (isSpace(html[i])) {
                ++i;
                continue;
            }
            if (html[i] == '/') {
                tag.selfClosing = true;
                ++i;
                continue;
            }
            const std::size_t attrStart = i;
            while (i < html.size() && !isSpace(html[i]) && html[i] != '=' && html[i] != '>' &&
                   html[i] != '/') {
                ++i;
            }
            Attribute attribute;
            attribute.name = lower(html.substr(attrStart, i - attrStart));
            while (i < html.size() && isSpace(html[i])) {
                ++i;
            }
            if (i < html.size() && html[i] == '=') {
                ++i;
                while (i < html.size() && isSpace(html[i])) {
                    ++i;
                }
                if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
                    const char quote = html[i];
                    const std::size_t end = html.find(quote, i + 1);
                    const std::size_t stop = end == std::string::npos ? html.size() : end;
                    attribute.value = html.substr(i + 1, stop - i - 1);
                    i = end == std::string::npos ? html.size() : end + 1;
                } else {
                    const std::size_t valueStart = i;
                    while (i < html.size() && !isSpace(html[i]) && html[i] != '>') {
                        ++i;
                    }
                    attribute.value = html.substr(valueStart, i - valueStart);
                }
            }
            tag.attributes.push_back(attribute);
        }
        pos = i < html.size() ? i + 1 : html.size();
        tags.push_back(tag);
        if (!tag.closing && (tag.name == "style" || tag.name == "script")) {
            const std::size_t end = lower(html).find("</" + tag.name, pos);
            pos = end == std::string::npos ? html.size() : end;
        }
    }
    return tags;
}

// Attributes through which a page can pull in or point to something outside itself.
const std::set<std::string>& referenceAttributes() {
    static const std::set<std::string> names = {
        "src",    "href",       "xlink:href", "srcset",   "data",     "action", "formaction",
        "poster", "background", "cite",       "longdesc", "manifest", "ping",   "codebase"};
    return names;
}

// Every reference to a resource outside the page: attribute values that are not in-page
// anchors, url(...) that is not a data: URL, @import, and elements that embed other documents.
std::vector<std::string> externalReferences(const std::string& html) {
    std::vector<std::string> found;
    static const std::set<std::string> embeddingElements = {"link",   "base",  "iframe", "frame",
                                                            "object", "embed", "applet", "portal"};
    for (const Tag& tag : parseTags(html)) {
        if (tag.closing) {
            continue;
        }
        if (embeddingElements.count(tag.name) != 0) {
            found.push_back("<" + tag.name + ">");
        }
        for (const Attribute& attribute : tag.attributes) {
            if (referenceAttributes().count(attribute.name) != 0 &&
                (attribute.value.empty() || attribute.value[0] != '#')) {
                found.push_back(attribute.name + "=" + attribute.value);
            }
            if (attribute.name == "http-equiv" && lower(attribute.value) == "refresh") {
                found.push_back("meta refresh");
            }
        }
    }
    const std::string text = lower(html);
    for (std::size_t pos = text.find("url("); pos != std::string::npos;
         pos = text.find("url(", pos + 4)) {
        std::size_t i = pos + 4;
        while (i < text.size() && (isSpace(text[i]) || text[i] == '"' || text[i] == '\'')) {
            ++i;
        }
        if (text.compare(i, 5, "data:") != 0) {
            found.push_back(html.substr(pos, 40));
        }
    }
    if (text.find("@import") != std::string::npos) {
        found.push_back("@import");
    }
    if (text.find("://") != std::string::npos) {
        found.push_back(html.substr(text.find("://") > 10 ? text.find("://") - 10 : 0, 40));
    }
    return found;
}

std::vector<std::string> allIds(const std::string& html) {
    std::vector<std::string> ids;
    for (const Tag& tag : parseTags(html)) {
        for (const Attribute& attribute : tag.attributes) {
            if (!tag.closing && attribute.name == "id") {
                ids.push_back(attribute.value);
            }
        }
    }
    return ids;
}

std::vector<std::string> duplicateIds(const std::string& html) {
    std::map<std::string, int> counts;
    for (const std::string& id : allIds(html)) {
        ++counts[id];
    }
    std::vector<std::string> duplicates;
    for (const auto& [id, count] : counts) {
        if (count > 1) {
            duplicates.push_back(id);
        }
    }
    return duplicates;
}

std::vector<std::string> anchorTargets(const std::string& html) {
    std::vector<std::string> targets;
    for (const Tag& tag : parseTags(html)) {
        for (const Attribute& attribute : tag.attributes) {
            if (!tag.closing && (attribute.name == "href" || attribute.name == "xlink:href") &&
                !attribute.value.empty() && attribute.value[0] == '#') {
                targets.push_back(attribute.value.substr(1));
            }
        }
    }
    return targets;
}

std::vector<std::string> danglingAnchors(const std::string& html) {
    const std::vector<std::string> idList = allIds(html);
    const std::set<std::string> ids(idList.begin(), idList.end());
    std::vector<std::string> dangling;
    for (const std::string& target : anchorTargets(html)) {
        if (ids.count(target) == 0) {
            dangling.push_back(target);
        }
    }
    return dangling;
}

// The structural elements of the page must be explicitly closed and properly nested.
// Returns a description of the first fault, or "" when all is well.
std::string structuralFault(const std::string& html) {
    static const std::set<std::string> tracked = {
        "html",   "head",       "body", "header", "nav",     "main",  "section", "article",
        "aside",  "footer",     "div",  "table",  "caption", "thead", "tbody",   "tfoot",
        "tr",     "th",         "td",   "ul",     "ol",      "li",    "dl",      "dt",
        "dd",     "h1",         "h2",   "h3",     "h4",      "h5",    "h6",      "p",
        "figure", "figcaption", "svg",  "title",  "style"};
    std::vector<std::string> open;
    for (const Tag& tag : parseTags(html)) {
        if (tracked.count(tag.name) == 0 || tag.selfClosing) {
            continue;
        }
        if (!tag.closing) {
            open.push_back(tag.name);
            continue;
        }
        if (open.empty()) {
            return "</" + tag.name + "> closes nothing";
        }
        if (open.back() != tag.name) {
            return "</" + tag.name + "> closes <" + open.back() + ">";
        }
        open.pop_back();
    }
    if (!open.empty()) {
        return "<" + open.back() + "> is never closed";
    }
    return "";
}

// The src of every <img>.
std::vector<std::string> pictures(const std::string& html) {
    std::vector<std::string> found;
    for (const Tag& tag : parseTags(html))
        for (const Attribute& attribute : tag.attributes)
            if (tag.name == "img" && !tag.closing && attribute.name == "src")
                found.push_back(attribute.value);
    return found;
}

// A PNG's width and height from its header; 0 x 0 for anything else.
std::pair<int, int> pngSize(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto word = [&](int at) {
        return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3];
    };
    if (!in || std::string(reinterpret_cast<char*>(head), 16) !=
                   std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16))
        return {0, 0};
    return {word(16), word(20)};
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : ", ") + item;
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// The help document itself.

class HelpDocument : public ::testing::Test {
protected:
    static void SetUpTestSuite() { document = new std::string(readFile(TUMBLEDOWN_HELP_FILE)); }
    static void TearDownTestSuite() {
        delete document;
        document = nullptr;
    }
    static const std::string& html() { return *document; }

private:
    static std::string* document;
};

std::string* HelpDocument::document = nullptr;

TEST_F(HelpDocument, IsASubstantialHtml5Page) {
    ASSERT_GT(html().size(), 20000u)
        << "the help document is missing or nearly empty: " << TUMBLEDOWN_HELP_FILE;
    const std::string text = lower(html());
    EXPECT_EQ(text.rfind("<!doctype html>", 0), 0u) << "the page must start with the doctype";
    EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(text.find("<title>"), std::string::npos);
    EXPECT_NE(text.find("<html lang="), std::string::npos);
}

TEST_F(HelpDocument, ReferencesNothingOutsideItselfButItsPictures) {
    std::vector<std::string> found = externalReferences(html());
    for (const std::string& picture : pictures(html()))
        std::erase(found, "src=" + picture);
    EXPECT_TRUE(found.empty()) << "external references: " << joined(found);
    EXPECT_EQ(lower(html()).find("<script"), std::string::npos) << "the page needs no scripts";
}

// The pictures of the screens lie beside the page, by bare name: PNGs of the board's size.
TEST_F(HelpDocument, EveryPictureIsABoardSizedPngBesideIt) {
    const std::vector<std::string> names = pictures(html());
    EXPECT_GE(names.size(), 4u) << "a picture of the main screen and of each game";
    const std::filesystem::path folder = std::filesystem::path(TUMBLEDOWN_HELP_FILE).parent_path();
    for (const std::string& name : names) {
        EXPECT_EQ(name.find_first_of("/\\:"), std::string::npos) << name;
        EXPECT_EQ(pngSize(folder / name), (std::pair{632, 428})) << name;
    }
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

TEST_F(HelpDocument, EveryInPageLinkHasItsTargetAndIdsAreUnique) {
    const std::vector<std::string> targets = anchorTargets(html());
    EXPECT_GE(targets.size(), 40u) << "the table of contents should link every section";
    const std::vector<std::string> dangling = danglingAnchors(html());
    EXPECT_TRUE(dangling.empty()) << "links without a target: " << joined(dangling);
    const std::vector<std::string> duplicates = duplicateIds(html());
    EXPECT_TRUE(duplicates.empty()) << "ids used more than once: " << joined(duplicates);
}

TEST_F(HelpDocument, TableOfContentsComesFirstAndLinksTheThreeGames) {
    const std::string text = lower(html());
    const std::size_t nav = text.find("<nav");
    const std::size_t firstSection = text.find("<section");
    ASSERT_NE(nav, std::string::npos) << "no table of contents";
    ASSERT_NE(firstSection, std::string::npos);
    EXPECT_LT(nav, firstSection) << "the table of contents must come before the sections";
    const std::string toc = html().substr(nav, text.find("</nav>", nav) - nav);
    const std::vector<std::string> tocTargets = anchorTargets(toc);
    for (const char* id : {"ten-thousand", "poker-dice", "shut-the-box", "undo", "keys", "options",
                           "music", "top-scores", "files"}) {
        EXPECT_NE(std::find(tocTargets.begin(), tocTargets.end(), id), tocTargets.end())
            << "the table of contents does not link #" << id;
    }
}

TEST_F(HelpDocument, StructuralElementsBalance) {
    EXPECT_EQ(structuralFault(html()), "");
    const std::vector<Tag> tags = parseTags(html());
    const auto count = [&](const std::string& name) {
        return std::count_if(tags.begin(), tags.end(),
                             [&](const Tag& tag) { return tag.name == name && !tag.closing; });
    };
    EXPECT_EQ(count("html"), 1);
    EXPECT_EQ(count("head"), 1);
    EXPECT_EQ(count("body"), 1);
    EXPECT_EQ(count("h1"), 1);
}

TEST_F(HelpDocument, NamesTheThreeGamesAndTheComputerLevels) {
    for (const char* name : {"10,000", "Poker Dice", "Shut The Box", "APPRENTICE", "MAGE", "WIZARD",
                             "COMPUTER", "Billionaire Club", "Gremlin", "tumbledown.prf", ".mid"}) {
        EXPECT_NE(html().find(name), std::string::npos) << "the page never mentions " << name;
    }
}

} // namespace
