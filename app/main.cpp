// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Wires the application together: options, services (real or replayed), window.
#include "GameList.h"
#include "TTumbledownApp.h"
#include "TTumbledownWindow.h"
#include "core/ProgramState.h"
#include "platform/Audio.h"
#include "platform/AudioOutput.h"
#include "platform/DataFiles.h"
#include "platform/EventQueue.h"
#include "platform/RealClock.h"
#include "platform/RealHost.h"
#include "platform/ReplayDriver.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "platform/Transcript.h"
#include "platform/ViewSettings.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <utility>

#include <malloc.h>
#include <unistd.h>

using namespace tumbledown;

namespace {

// What --game takes: the games' screen names as the transcript writes them,
// "10000, pokerdice or shutthebox".
QString gameChoices() {
    QString choices;
    const auto& games = gameList();
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (i > 0)
            choices += i + 1 == games.size() ? " or " : ", ";
        choices += games[i]->id;
    }
    return choices;
}

struct Options {
    QString replay;
    QString transcript;
    QString dataDir;
    const GameInfo* game = nullptr;
    qint64 epoch = 1000000000;
    bool realClock = false;
    bool reportFirstPaint = false;
};

// While a handler runs, the menu bar takes no clicks: commands wait their turn
// like every other input, and no menu opens in the middle of an animation.
class BusyInputFilter : public QObject {
public:
    explicit BusyInputFilter(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (!eventQueue().busy())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut: {
            auto* widget = qobject_cast<QWidget*>(target);
            return widget && widget->window() == window_ && widget->inherits("QMenuBar");
        }
        default:
            return false;
        }
    }

private:
    QWidget* window_;
};

// For the start-up benchmark: prints the wall-clock time (ns since 1970) at
// which the main screen was painted into the window, then quits.
class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(const bool& drawn) : drawn_(drawn) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint && drawn_ && !reported_) {
            reported_ = true;
            // The time is taken once the picture is painted, not as the paint
            // begins.
            target->event(event);
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << "first-paint "
                      << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << std::endl;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return true;
        }
        return false;
    }

private:
    const bool& drawn_;
    bool reported_ = false;
};

// Runs a task once, just after the first paint that shows a drawn picture, so
// that nothing competes with that paint for the processor.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(const bool& drawn, std::function<void()> task)
        : drawn_(drawn), task_(std::move(task)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && drawn_ && task_)
            QMetaObject::invokeMethod(qApp, std::exchange(task_, nullptr), Qt::QueuedConnection);
        return false;
    }

private:
    const bool& drawn_;
    std::function<void()> task_;
};

// A termination signal (logging out, Ctrl+C in a terminal) closes the window
// through its close path, so that names and scores are saved. The handler only
// writes to a pipe; the window's thread reads it.
class TerminationWatch {
public:
    TerminationWatch() {
        if (::pipe(fds_) != 0)
            return;
        writeEnd() = fds_[1];
        struct sigaction action {};
        action.sa_handler = [](int) {
            const char byte = 1;
            [[maybe_unused]] const auto written = ::write(writeEnd(), &byte, 1);
        };
        sigemptyset(&action.sa_mask);
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            sigaction(signal, &action, nullptr);
        notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(fds_[0], &byte, 1);
            // A box waiting for an answer would hold the close until the desktop
            // gives up and kills the program, losing the record.
            requestTermination();
            eventQueue().post({EventType::Close});
        });
    }

private:
    static int& writeEnd() {
        static int fd = -1;
        return fd;
    }
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

// The first paint: the game asked for, or the main screen.
void showFirst(TTumbledownWindow& window, const Options& options) {
    if (options.game)
        window.openFirst(*options.game);
    else
        window.invalidate();
}

class Replay : public ReplayTarget {
public:
    Replay(TTumbledownApp& app, const Options& options) : app_(app), options_(options) {}
    void start(int width, int height) override {
        TTumbledownWindow& window = app_.createMainWindow();
        window.clientArea()->setFixedSize(width, height);
        window.show();
        // A shot is what the player would see: the picture last presented.
        screen().setPresenter([this] { presented_ = screen().shown(std::move(presented_)); });
        showFirst(window, options_);
    }
    bool chooseMenu(int id) override { return app_.mainWindow()->menus().trigger(id); }
    void endTune() override { music_.finishTune(); }
    bool saveShot(const std::string& path) override {
        return presented_.save(QString::fromStdString(path), "PNG");
    }
    void setZoom(int factor) override { app_.mainWindow()->clientArea()->setZoom(factor); }
    SilentMusicDevice& music() { return music_; }

private:
    TTumbledownApp& app_;
    const Options& options_;
    SilentMusicDevice music_;
    QImage presented_;
};

// Beside the program in the build tree; in an installation, the data folder
// where it lies from the program's own folder, whatever the prefix.
std::string installedData() {
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {here + "/data", here + "/" TUMBLEDOWN_DATA_FROM_BIN})
        if (QDir(candidate).exists())
            return QDir(candidate).canonicalPath().toStdString();
    return "";
}

std::string defaultPreferencesDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

int runReplay(TTumbledownApp& app, const Options& options) {
    std::ifstream in(options.replay.toStdString());
    if (!in) {
        std::cerr << "tumbledown: cannot read script " << options.replay.toStdString() << "\n";
        return 2;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    std::optional<std::vector<ScriptLine>> script = parseScript(text.str(), error);
    if (!script) {
        std::cerr << "tumbledown: " << options.replay.toStdString() << ": " << error << "\n";
        return 2;
    }
    VirtualClock virtualClock(options.epoch);
    RealClock realClock;
    Clock& clock = options.realClock ? static_cast<Clock&>(realClock) : virtualClock;
    ReplayDriver driver(std::move(*script), clock, options.realClock ? nullptr : &virtualClock);
    Replay replay(app, options);
    driver.setTarget(&replay);
    SilentSoundPlayer silence;
    services().clock = &clock;
    services().host = &driver;
    services().sound = &silence;
    services().music = &replay.music();
    services().musicEnded = [] { eventQueue().post({EventType::MusicNotify}); };
    transcript().setTimeSource([&clock] { return clock.now(); });
    return driver.run();
}

int runInteractive(TTumbledownApp& app, const Options& options) {
    RealClock clock;
    RealHost host;
    services().clock = &clock;
    services().host = &host;
    AudioOutput audio(clock);
    services().sound = &audio.sound();
    services().music = &audio.music();
    QCoreApplication* qtApp = &app.qt();
    services().musicEnded = [qtApp] {
        QMetaObject::invokeMethod(
            qtApp, [] { eventQueue().post({EventType::MusicNotify}); }, Qt::QueuedConnection);
    };
    services().pullPendingInput = [] { QCoreApplication::processEvents(); };
    eventQueue().setWakeUp([qtApp] {
        QMetaObject::invokeMethod(
            qtApp, [] { eventQueue().dispatchAll(); }, Qt::QueuedConnection);
    });
    transcript().setTimeSource([&clock] { return clock.now(); });

    TTumbledownWindow& window = app.createMainWindow();
    host.setWindow(&window, window.clientArea());
    // The zoom of the last run (a replay never reads it: scripts start at 1x).
    window.clientArea()->restoreZoom(loadViewSettings(viewSettingsPath()).zoom);
    bool drawn = false;
    // The audio device opens once the window shows something, off the window's
    // thread; the music waits for it.
    services().audioReady = [&audio] { return audio.ready(); };
    screen().setPresenter([&window, &drawn] {
        drawn = true;
        window.clientArea()->repaint();
    });
    AfterFirstPaint openAudio(drawn, [&window, &audio, qtApp] {
        window.showIcon();
        audio.startOpening([qtApp] {
            QMetaObject::invokeMethod(
                qtApp, [] { eventQueue().post({EventType::AudioReady}); }, Qt::QueuedConnection);
        });
    });
    window.clientArea()->installEventFilter(&openAudio);
    TerminationWatch terminationWatch;
    BusyInputFilter filter(&window);
    app.qt().installEventFilter(&filter);
    FirstPaintReport quitter(drawn);
    if (options.reportFirstPaint)
        window.clientArea()->installEventFilter(&quitter);
    // Never smaller than the board; first as large as the screen, so that the
    // first picture is drawn at about the size it is shown.
    window.clientArea()->setMinimumSize(boardWidth, boardHeight);
    if (const QScreen* desktop = window.screen())
        window.resize(desktop->availableGeometry().size());
    if (!options.game)
        window.prepareMainScreen();
    // The first paint is asked for as the window shows, after its size has
    // reached the screen: it is drawn once, at that size, before the first
    // exposure.
    window.showMaximized();
    showFirst(window, options);
    const int code = app.qt().exec();
    app.closeMainWindow();
    services().sound = nullptr;
    services().music = nullptr;
    services().audioReady = nullptr;
    return code;
}

bool hasDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !platform.isEmpty() || !qgetenv("DISPLAY").isEmpty() ||
           !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    // Pictures of tens of MiB come and go with each change of scale. Under a
    // fixed threshold they keep mappings of their own, returned when freed;
    // the C library's sliding one would let them settle in the heap, which
    // never shrinks back.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    // The helper threads (decoding, the tip's face, audio) make few small
    // allocations: heaps of their own would each stay resident for nothing.
    mallopt(M_ARENA_MAX, 1);
    // Options are read before Qt starts: a replay runs without any display.
    bool replayMode = false;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--replay" || std::string(argv[i]).rfind("--replay=", 0) == 0)
            replayMode = true;
    bool infoOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "--version" ||
            arg == "-v")
            infoOnly = true;
    }
    if (replayMode || infoOnly)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else if (!hasDisplay()) {
        std::cerr << "tumbledown: no graphical display found (DISPLAY and WAYLAND_DISPLAY are "
                     "unset).\nRun it from a desktop session, or under a virtual display, for "
                     "example:\n  xvfb-run -a ./scripts/run\n";
        return 1;
    }

    TTumbledownApp app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Tumbledown: three dice games for one or two players.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {"replay", "Run the script FILE against the real program, then exit.", "FILE"});
    parser.addOption(
        {"transcript", "With --replay: write a transcript of the run to FILE.", "FILE"});
    parser.addOption({"data-dir", "Where tumbledown.prf is read and written.", "DIR"});
    parser.addOption(
        {"game", QString("Open the game NAME instead of the main screen: %1.").arg(gameChoices()),
         "NAME"});
    parser.addOption(
        {"epoch", "With --replay: local time in seconds at virtual time 0.", "SECONDS"});
    parser.addOption({"real-clock", "With --replay: wait in real time, not virtual time."});
    parser.addOption(
        {"report-first-paint",
         "Print the time the main screen is first shown, then quit (start-up benchmark)."});
    parser.process(app.qt());

    Options options;
    options.replay = parser.value("replay");
    options.transcript = parser.value("transcript");
    options.dataDir = parser.value("data-dir");
    options.realClock = parser.isSet("real-clock");
    options.reportFirstPaint = parser.isSet("report-first-paint");
    if (parser.isSet("game")) {
        options.game = TTumbledownWindow::gameNamed(parser.value("game").toStdString());
        if (!options.game) {
            std::cerr << "tumbledown: --game takes " << gameChoices().toStdString() << "\n";
            return 2;
        }
    }
    if (parser.isSet("epoch")) {
        bool ok = false;
        options.epoch = parser.value("epoch").toLongLong(&ok);
        if (!ok) {
            std::cerr << "tumbledown: --epoch takes a number of seconds\n";
            return 2;
        }
    }

    const std::string prefsDir =
        options.dataDir.isEmpty() ? defaultPreferencesDir() : options.dataDir.toStdString();
    QDir().mkpath(QString::fromStdString(prefsDir));
    setPreferencesDir(prefsDir);
    setInstalledDataDir(installedData());
    if (!options.transcript.isEmpty() && !transcript().open(options.transcript.toStdString())) {
        std::cerr << "tumbledown: cannot write " << options.transcript.toStdString() << "\n";
        return 2;
    }
    // Where sounds, music and help are looked for after the working directory.
    transcript().write({"data", installedDataDir()});
    return replayMode ? runReplay(app, options) : runInteractive(app, options);
}
