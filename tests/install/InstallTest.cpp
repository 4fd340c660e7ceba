// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Installs the build as a packager does (cmake --install into a DESTDIR) and as
// a player does (straight into a prefix of their own), then checks what a Linux
// desktop takes from it: the program runs from any folder and finds its data,
// the desktop entry and the metainfo pass the desktop's own validators, the
// icon is in the theme at every size, and the manual page and the command line
// agree.

#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

namespace fs = std::filesystem;

const QString kAppId = QStringLiteral(TUMBLEDOWN_APP_ID);
// The build's layout under the prefix: bin and share/tumbledown by default,
// games and share/games/tumbledown in Debian's.
const fs::path kBinDir = TUMBLEDOWN_INSTALL_BINDIR;
const fs::path kDataDir = TUMBLEDOWN_INSTALL_DATADIR;

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

std::ostream& operator<<(std::ostream& os, const Outcome& run) {
    return os << "exit " << run.code << "\nstdout:\n"
              << run.out.toStdString() << "stderr:\n"
              << run.err.toStdString();
}

Outcome run(const QString& program, const QStringList& args, const fs::path& folder = {},
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    if (!folder.empty())
        process.setWorkingDirectory(QString::fromStdString(folder.string()));
    process.start(program, args);
    Outcome result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        result.err = QStringLiteral("did not finish: ") + process.errorString();
        return result;
    }
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString readText(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// A transcript's lines, each split into its fields after the time.
std::vector<QStringList> transcriptLines(const fs::path& path) {
    std::vector<QStringList> lines;
    for (const QString& raw : readText(path).split('\n', Qt::SkipEmptyParts)) {
        QStringList fields = raw.split('\t');
        fields.removeFirst();
        lines.push_back(fields);
    }
    return lines;
}

std::vector<QStringList> linesOf(const std::vector<QStringList>& lines, const QString& kind) {
    std::vector<QStringList> found;
    for (const QStringList& line : lines)
        if (!line.isEmpty() && line.first() == kind)
            found.push_back(line);
    return found;
}

// Names, then the help, then each game in turn, and a throw in Shut The Box
// (its dice sound): every sound, the music and the help are asked for.
const char* const kTourScript = "dialog 202 101=ann 102=ben ok\n"
                                "menu 139\n"
                                "menu 101\n"
                                "menu 152\n"
                                "menu 102\n"
                                "menu 152\n"
                                "menu 103\n"
                                "key space\n";

// The data files the build made whose names match pattern.
QSet<QString> built(const QString& pattern) {
    const QStringList names =
        QDir(QStringLiteral(TUMBLEDOWN_DATA_DIR)).entryList({pattern}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = fs::temp_directory_path() / ("td-install-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
        const QString cmake = QStringLiteral(TUMBLEDOWN_CMAKE);
        const QString build = QStringLiteral(TUMBLEDOWN_BUILD_DIR);
        QProcessEnvironment staged = QProcessEnvironment::systemEnvironment();
        staged.insert("DESTDIR", QString::fromStdString((root_ / "stage").string()));
        stagedInstall_ = run(cmake, {"--install", build, "--prefix", "/usr"}, {}, staged);
        ownInstall_ = run(cmake, {"--install", build, "--prefix",
                                  QString::fromStdString((root_ / "own" / "games").string())});
    }
    static void TearDownTestSuite() {
        if (!::testing::UnitTest::GetInstance()->Failed())
            fs::remove_all(root_);
    }
    void SetUp() override {
        ASSERT_EQ(stagedInstall_.code, 0) << stagedInstall_;
        ASSERT_EQ(ownInstall_.code, 0) << ownInstall_;
    }

    // Both installations' prefixes as they lie on this disk.
    static std::vector<fs::path> prefixes() {
        return {root_ / "stage" / "usr", root_ / "own" / "games"};
    }
    static fs::path usr() { return root_ / "stage" / "usr"; }
    static QString program(const fs::path& prefix) {
        return QString::fromStdString((prefix / kBinDir / "tumbledown").string());
    }
    static fs::path share(const fs::path& prefix) { return prefix / "share"; }

    // Runs an installed program on a script (the tour by default) from a
    // fresh folder that has nothing to do with the build or the installation.
    static std::vector<QStringList> tour(const QString& binary, const std::string& name,
                                         Outcome& result, const QStringList& options = {},
                                         const char* text = kTourScript) {
        const fs::path folder = root_ / ("elsewhere-" + name);
        fs::create_directories(folder / "record");
        {
            QFile script(QString::fromStdString((folder / "script.txt").string()));
            EXPECT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(text);
        }
        result = run(binary,
                     QStringList{"--replay", "script.txt", "--transcript", "transcript.txt",
                                 "--data-dir", QString::fromStdString((folder / "record").string())}
                         << options,
                     folder);
        return transcriptLines(folder / "transcript.txt");
    }

    static inline fs::path root_;
    static inline Outcome stagedInstall_;
    static inline Outcome ownInstall_;
};

TEST_F(Installed, ProgramDataEntryMetainfoIconsAndManualLandUnderThePrefix) {
    // DESTDIR is honoured: the staged tree holds nothing outside its prefix.
    for (const fs::directory_entry& e : fs::directory_iterator(root_ / "stage"))
        EXPECT_EQ(e.path().filename(), "usr");
    for (const fs::path& prefix : prefixes()) {
        SCOPED_TRACE(prefix.string());
        for (const char* name : {"tumbledown", "tumbledown-levels"}) {
            const fs::path bin = prefix / kBinDir / name;
            ASSERT_TRUE(fs::is_regular_file(bin)) << bin;
            EXPECT_NE(fs::status(bin).permissions() & fs::perms::owner_exec, fs::perms::none);
            EXPECT_TRUE(
                fs::is_regular_file(share(prefix) / "man" / "man6" / (std::string(name) + ".6")));
        }
        QSet<QString> data;
        for (const fs::directory_entry& e : fs::directory_iterator(prefix / kDataDir))
            data.insert(QString::fromStdString(e.path().filename().string()));
        // The sounds, the music, the help and its pictures of the screens.
        EXPECT_EQ(data, built(QStringLiteral("*")));
        const std::string id = kAppId.toStdString();
        EXPECT_TRUE(fs::is_regular_file(share(prefix) / "applications" / (id + ".desktop")));
        EXPECT_TRUE(fs::is_regular_file(share(prefix) / "metainfo" / (id + ".metainfo.xml")));
        // Each of the theme's sizes is the picture painted for it, in its own folder.
        for (int size : art::iconSizes()) {
            const std::string dir = std::to_string(size) + "x" + std::to_string(size);
            const QImage icon(QString::fromStdString(
                (share(prefix) / "icons" / "hicolor" / dir / "apps" / (id + ".png")).string()));
            EXPECT_TRUE(icon.hasAlphaChannel()) << dir;
            EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
                      art::paintIcon(size).convertToFormat(QImage::Format_ARGB32))
                << dir;
        }
    }
}

// The installed program, started in another folder, finds its sounds, music
// and help in the installed data folder, under either prefix.
TEST_F(Installed, StartedElsewhereItFindsItsSoundsMusicAndHelpOrMissesEach) {
    int n = 0;
    for (const fs::path& prefix : prefixes()) {
        SCOPED_TRACE(prefix.string());
        Outcome result;
        const auto lines = tour(program(prefix), std::to_string(n++), result);
        ASSERT_EQ(result.code, 0) << result;
        const auto data = linesOf(lines, "data");
        ASSERT_EQ(data.size(), 1u);
        ASSERT_EQ(data[0].size(), 2);
        EXPECT_EQ(data[0][1].toStdString(), fs::canonical(prefix / kDataDir).string());
        // Nothing was missing: not a sound of any game, nor the help, nor the music.
        for (const QStringList& line : linesOf(lines, "missing"))
            ADD_FAILURE() << "missing " << line.value(1).toStdString();
        for (const QStringList& line : linesOf(lines, "box"))
            EXPECT_NE(line.value(1), "File does not exist") << line.join(' ').toStdString();
        const auto music = linesOf(lines, "music");
        ASSERT_FALSE(music.empty());
        EXPECT_EQ(music[0], (QStringList{"music", "open", "fugue.mid", "ok"}));
        EXPECT_EQ(linesOf(lines, "open").size(), 1u);
        bool diceHeard = false;
        for (const QStringList& line : linesOf(lines, "sound"))
            diceHeard = diceHeard || (line.value(1) == "play" && line.value(2) == "Dice1.wav");
        EXPECT_TRUE(diceHeard);
        const auto screens = linesOf(lines, "screen");
        EXPECT_EQ(screens.size(), 6u); // main, then each game with the main screen between
        EXPECT_EQ(linesOf(lines, "save").size(), 1u);
    }
    // The same program without a data folder beside it reports each file it wants
    // missing: the tour above asks for them all.
    const fs::path bare = root_ / "bare" / "bin";
    fs::create_directories(bare);
    fs::copy_file(usr() / kBinDir / "tumbledown", bare / "tumbledown");
    Outcome result;
    const auto lines = tour(QString::fromStdString((bare / "tumbledown").string()), "bare", result);
    ASSERT_EQ(result.code, 0) << result;
    const auto data = linesOf(lines, "data");
    ASSERT_EQ(data.size(), 1u);
    EXPECT_TRUE(data[0].value(1).isEmpty()) << data[0].join(' ').toStdString();
    QSet<QString> missing;
    for (const QStringList& line : linesOf(lines, "missing"))
        missing.insert(line.value(1));
    EXPECT_EQ(missing, built(QStringLiteral("*.wav")) << QStringLiteral("Tumbledown.html"));
    bool musicMissed = false;
    for (const QStringList& line : linesOf(lines, "box"))
        musicMissed = musicMissed || line.value(1) == "File does not exist";
    EXPECT_TRUE(musicMissed);
}

// ---------------------------------------------------------------- desktop entry

// Each group's keys, by the group's name ("Desktop Entry", "Desktop Action X").
std::map<QString, QMap<QString, QString>> desktopEntry(const fs::path& path) {
    std::map<QString, QMap<QString, QString>> groups;
    QString group;
    for (const QString& line : readText(path).split('\n')) {
        if (line.startsWith('['))
            group = line.mid(1).chopped(1);
        else if (!group.isEmpty() && line.contains('='))
            groups[group][line.section('=', 0, 0)] = line.section('=', 1);
    }
    return groups;
}

fs::path installedEntry(const fs::path& prefix) {
    return prefix / "share" / "applications" / (kAppId.toStdString() + ".desktop");
}

// The entry passes the desktop's validator without even a hint; its command is the
// installed program, found on the PATH of the prefix, and each action of the
// launcher's menu opens its game at once: the first paint is the game's, the
// main screen is never drawn, and the music is found (the tour above asks for
// every other file).
TEST_F(Installed, DesktopEntryIsValidAndItsActionsStartTheirGames) {
    const QString validator = tool("desktop-file-validate");
    ASSERT_FALSE(validator.isEmpty()) << "scripts/setup installs desktop-file-utils";
    const Outcome result = run(validator, {QString::fromStdString(installedEntry(usr()).string())});
    EXPECT_EQ(result.code, 0) << result;
    EXPECT_TRUE(result.out.trimmed().isEmpty() && result.err.trimmed().isEmpty()) << result;

    auto groups = desktopEntry(installedEntry(usr()));
    const QMap<QString, QString> keys = groups["Desktop Entry"];
    EXPECT_EQ(keys.value("Icon"), kAppId);
    EXPECT_EQ(keys.value("Exec"), "tumbledown");
    const struct {
        QString id, name, screen;
    } actions[] = {{"tenthousand", "Play 10,000", "10000"},
                   {"pokerdice", "Play Poker Dice", "pokerdice"},
                   {"shutthebox", "Play Shut The Box", "shutthebox"}};
    EXPECT_EQ(keys.value("Actions"), "tenthousand;pokerdice;shutthebox;");
    for (const auto& action : actions) {
        SCOPED_TRACE(action.id.toStdString());
        const QMap<QString, QString> group = groups["Desktop Action " + action.id];
        EXPECT_EQ(group.value("Name"), action.name);
        QStringList command = group.value("Exec").split(' ');
        ASSERT_EQ(command.takeFirst(), "tumbledown");
        Outcome result;
        const auto lines = tour(program(usr()), "action-" + action.id.toStdString(), result,
                                command, "dialog 202 101=ann 102=ben ok\n");
        ASSERT_EQ(result.code, 0) << result;
        EXPECT_EQ(linesOf(lines, "screen"),
                  (std::vector<QStringList>{{"screen", "main"}, {"screen", action.screen}}));
        for (const QStringList& line : lines)
            EXPECT_FALSE(line.value(0) == "blit" && line.value(1) == "BITMAP_216")
                << "the main screen was drawn";
        const auto music = linesOf(lines, "music");
        EXPECT_EQ(music.empty() ? QStringList() : music[0],
                  (QStringList{"music", "open", "fugue.mid", "ok"}));
    }
}

// ---------------------------------------------------------------- metainfo

// The metainfo passes the validator, agrees with the entry and the icons as installed,
// and names this program, its three games and, newest first, the release being built.
TEST_F(Installed, MetainfoIsValidAndDescribesTheThreeGamesAndThisRelease) {
    const QString validator = tool("appstreamcli");
    ASSERT_FALSE(validator.isEmpty()) << "scripts/setup installs appstream";
    const fs::path file = share(usr()) / "metainfo" / (kAppId.toStdString() + ".metainfo.xml");
    const Outcome result =
        run(validator, {"validate", "--no-net", QString::fromStdString(file.string())});
    EXPECT_EQ(result.code, 0) << result;
    EXPECT_TRUE(result.out.contains("Validation was successful")) << result;
    const Outcome tree = run(validator, {"validate-tree", "--no-net",
                                         QString::fromStdString((root_ / "stage").string())});
    EXPECT_EQ(tree.code, 0) << tree;

    const QString text = readText(file);
    for (const QString& part :
         {"<id>" + kAppId + "</id>", QStringLiteral("<name>Tumbledown</name>"),
          QStringLiteral("<binary>tumbledown</binary>"), QStringLiteral("10,000"),
          QStringLiteral("Poker Dice"), QStringLiteral("Shut The Box")})
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
    const QRegularExpressionMatch summary =
        QRegularExpression(QStringLiteral("<summary>(.*)</summary>")).match(text);
    EXPECT_LE(summary.captured(1).size(), 35) << "software centres cut longer summaries";
    EXPECT_EQ(
        QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\"")).match(text).captured(1),
        QStringLiteral(TUMBLEDOWN_VERSION));
}

// ---------------------------------------------------------------- command line

// The environment of a terminal without any display.
QProcessEnvironment noDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

// ---------------------------------------------------------------- manual page

// The page's text with the font changes and escaped hyphens undone.
QString plainManual(const fs::path& path) {
    QString text = readText(path);
    text.remove(QRegularExpression(R"(\\f[BIRP])"));
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    return text;
}

QSet<QString> longOptions(const QString& text) {
    QSet<QString> options;
    static const QRegularExpression option(R"((?<![\w-])--[a-z][a-z-]*[a-z])");
    for (auto it = option.globalMatch(text); it.hasNext();)
        options.insert(it.next().captured());
    return options;
}

// The command line needs no display; both programs' pages document it, and the
// program's page tells where its record lies.
TEST_F(Installed, CommandLineNeedsNoDisplayAndTheManualPagesDocumentIt) {
    for (const char* option : {"--version", "-v"}) {
        const Outcome result = run(program(usr()), {QString::fromLatin1(option)}, {}, noDisplay());
        EXPECT_EQ(result.code, 0) << option << "\n" << result;
        EXPECT_EQ(result.out, QStringLiteral("Tumbledown " TUMBLEDOWN_VERSION "\n")) << result;
    }
    const Outcome help = run(program(usr()), {"--help"}, {}, noDisplay());
    ASSERT_EQ(help.code, 0) << help;
    for (const char* option :
         {"-h, --help", "-v, --version", "--replay <FILE>", "--transcript <FILE>",
          "--data-dir <DIR>", "--game <NAME>", "--epoch <SECONDS>", "--help-all", "--real-clock",
          "--report-first-paint"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option << "\n" << help;
    EXPECT_EQ(run(program(usr()), {"-h"}, {}, noDisplay()).out, help.out);
    // The toolkit's options come on top.
    const Outcome all = run(program(usr()), {"--help-all"}, {}, noDisplay());
    EXPECT_EQ(all.code, 0) << all;
    EXPECT_TRUE(all.out.startsWith(help.out.section("Options:", 0, 0))) << all;
    EXPECT_TRUE(all.out.contains("-platform")) << all;
    // Any other game is a usage error.
    const Outcome unknown = run(program(usr()), {"--game", "chess"});
    EXPECT_EQ(unknown.code, 2) << unknown;
    EXPECT_TRUE(unknown.err.contains("--game takes 10000, pokerdice or shutthebox")) << unknown;

    const QString groff = tool("groff");
    for (const std::string name : {"tumbledown", "tumbledown-levels"}) {
        SCOPED_TRACE(name);
        const fs::path page = share(usr()) / "man" / "man6" / (name + ".6");
        const QString text = plainManual(page);
        // The title line comes first, after comments only.
        const QString title = QString::fromStdString(name).toUpper();
        EXPECT_TRUE(text.contains(QRegularExpression(R"(^(\.\\"[^\n]*\n)*\.TH )" + title + " 6 ")))
            << text.left(160).toStdString();
        EXPECT_TRUE(text.contains("Tumbledown " TUMBLEDOWN_VERSION));
        // Every option the program lists, and no other.
        const QString binary = QString::fromStdString((usr() / kBinDir / name).string());
        const Outcome usage = run(binary, {"--help"}, {}, noDisplay());
        ASSERT_EQ(usage.code, 0) << usage;
        const QSet<QString> listed = longOptions(usage.out);
        EXPECT_GE(listed.size(), 8);
        EXPECT_EQ(longOptions(text), listed);
        EXPECT_TRUE(text.contains(QRegularExpression(R"(\.B[IR]? -h)")));
        // It formats without a single warning.
        if (!groff.isEmpty()) {
            const Outcome formatted =
                run(groff, {"-man", "-Tutf8", "-ww", "-z", QString::fromStdString(page.string())});
            EXPECT_EQ(formatted.code, 0) << formatted;
            EXPECT_TRUE(formatted.err.isEmpty()) << formatted;
        }
    }
    // The program's page tells where its record lies.
    const QString text = plainManual(share(usr()) / "man" / "man6" / "tumbledown.6");
    EXPECT_TRUE(text.contains(QRegularExpression(R"(\.B[IR]? -v)")));
    const qsizetype files = text.indexOf(".SH FILES");
    ASSERT_GE(files, 0);
    EXPECT_GT(text.indexOf("~/.local/share/Tumbledown/tumbledown.prf", files), files);
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed (scripts/setup installs groff-base)";
}

} // namespace
