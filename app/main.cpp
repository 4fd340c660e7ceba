// Wires the application together: options, services (real or replayed), window.
#include "TTumbledownApp.h"
#include "TTumbledownWindow.h"
#include "platform/Audio.h"
#include "platform/DataFiles.h"
#include "platform/EventQueue.h"
#include "platform/RealClock.h"
#include "platform/RealHost.h"
#include "platform/ReplayDriver.h"
#include "platform/Screen.h"
#include "platform/SdlAudio.h"
#include "platform/System.h"
#include "platform/Transcript.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QScreen>
#include <QStandardPaths>

#include <fstream>
#include <iostream>
#include <sstream>

using namespace tumbledown;

namespace {

struct Options {
    QString replay;
    QString transcript;
    QString dataDir;
    qint64 epoch = 1000000000;
    bool realClock = false;
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

class Replay : public ReplayTarget {
public:
    explicit Replay(TTumbledownApp& app) : app_(app) {}
    void start(int width, int height) override {
        TTumbledownWindow& window = app_.createMainWindow();
        window.clientArea()->setFixedSize(width, height);
        window.show();
        window.invalidate();
    }
    bool chooseMenu(int id) override { return app_.mainWindow()->menus().trigger(id); }
    void endTune() override { music_.finishTune(); }
    bool saveShot(const std::string& path) override {
        return screen().image().save(QString::fromStdString(path), "PNG");
    }
    SilentMusicDevice& music() { return music_; }

private:
    TTumbledownApp& app_;
    SilentMusicDevice music_;
};

std::string installedData() {
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {here + "/data", here + "/../share/tumbledown"})
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
    Replay replay(app);
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

int runInteractive(TTumbledownApp& app) {
    RealClock clock;
    RealHost host;
    services().clock = &clock;
    services().host = &host;
    const bool audio = openSdlAudio();
    if (audio)
        useInstalledSoundFont();
    SdlSoundPlayer sdlSound(clock);
    SdlMusicDevice sdlMusic;
    SilentSoundPlayer silentSound;
    SilentMusicDevice silentMusic;
    services().sound = audio ? static_cast<SoundPlayer*>(&sdlSound) : &silentSound;
    services().music = audio ? static_cast<MusicDevice*>(&sdlMusic) : &silentMusic;
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
    screen().setPresenter([&window] { window.clientArea()->update(); });
    BusyInputFilter filter(&window);
    app.qt().installEventFilter(&filter);
    if (const QScreen* desktop = window.screen())
        window.resize(desktop->availableGeometry().size());
    window.showMaximized();
    window.invalidate();
    const int code = app.qt().exec();
    sdlSound.stop();
    sdlMusic.close();
    if (audio)
        closeSdlAudio();
    return code;
}

bool hasDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return !platform.isEmpty() || !qgetenv("DISPLAY").isEmpty() ||
           !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    // Options are read before Qt starts: a replay runs without any display.
    bool replayMode = false;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--replay" || std::string(argv[i]).rfind("--replay=", 0) == 0)
            replayMode = true;
    bool infoOnly = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v")
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
        {"epoch", "With --replay: local time in seconds at virtual time 0.", "SECONDS"});
    parser.addOption({"real-clock", "With --replay: wait in real time, not virtual time."});
    parser.process(app.qt());

    Options options;
    options.replay = parser.value("replay");
    options.transcript = parser.value("transcript");
    options.dataDir = parser.value("data-dir");
    options.realClock = parser.isSet("real-clock");
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
    return replayMode ? runReplay(app, options) : runInteractive(app);
}
