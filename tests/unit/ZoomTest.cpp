// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TTumbledownWindow.h"
#include "core/BoardZoom.h"
#include "platform/DataFiles.h"
#include "platform/Screen.h"
#include "platform/ViewSettings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>
#include <unistd.h>

using namespace tumbledown;
namespace fs = std::filesystem;

namespace {
void ensureApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "unit_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv); // never destroyed: Qt's statics may be gone at exit
    }
}
} // namespace

TEST(BoardZoom, StepsWithinWhatFitsAndFollowsTheClientSize) {
    EXPECT_EQ(BoardZoom::largestFitting(1264, 856), 2);
    EXPECT_EQ(BoardZoom::largestFitting(1263, 2000), 1);
    EXPECT_EQ(BoardZoom::largestFitting(2560, 1440), 3);
    EXPECT_EQ(BoardZoom::largestFitting(300, 200), 1);
    BoardZoom zoom;
    zoom.restore(3); // from the last run, before the window has its size
    EXPECT_EQ(zoom.factor(), 1);
    zoom.setClientSize(2560, 1440);
    EXPECT_EQ(zoom.factor(), 3);
    zoom.zoomIn(); // 4x does not fit
    EXPECT_EQ(zoom.wanted(), 3);
    zoom.setClientSize(1400, 900); // shrunk: drops to what fits, the wish kept
    EXPECT_EQ(zoom.factor(), 2);
    zoom.setClientSize(2560, 1440);
    EXPECT_EQ(zoom.factor(), 3);
    zoom.setClientSize(1400, 900);
    zoom.zoomOut(); // from what is shown
    EXPECT_EQ(zoom.wanted(), 1);
}

TEST(ScreenZoom, DrawsAtTheScaleOfTheViewAndShowsItPixelForPixel) {
    // Whole device pixels a unit, rounded up; 3 is the finest there is.
    for (const auto& [zoom, ratio, scale] :
         {std::tuple{1, 1.0, 1}, {1, 1.25, 2}, {2, 1.0, 2}, {2, 1.5, 3}, {4, 1.0, 3}})
        EXPECT_EQ(Screen::scaleFor(zoom, ratio), scale) << zoom << "x at " << ratio;
    Screen s;
    s.setView(13, 9, 2);
    ASSERT_EQ(QSize(s.width(), s.height()), QSize(7, 5)); // rounded up
    ASSERT_EQ(s.image().size(), QSize(14, 10));
    EXPECT_EQ(s.toImage(QPointF(-1, 3.9)), QPoint(-1, 1));
    s.fillEllipse(0, 0, 7, 5, Qt::white); // its edge blended at the finer scale
    for (int y = 0; y < s.height(); ++y)
        s.fillRect(0, y, 1, y + 1, QColor(0, 50 * y, 0));
    const QImage view = s.shown();
    ASSERT_EQ(view.size(), QSize(13, 9));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(view.pixel(x, y), s.image().pixel(x, y)) << x << "," << y;
    // Blended colours appear only where a unit is not as many device pixels as
    // the image has.
    std::set<QRgb> source;
    const auto blends = [&](qreal ratio) {
        s.setView(14, 10, 1, ratio);
        source.clear();
        for (int y = 0; y < s.image().height(); ++y)
            for (int x = 0; x < s.image().width(); ++x)
                source.insert(s.image().pixel(x, y));
        const QImage device = s.shown();
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                if (!source.count(device.pixel(x, y)))
                    return true;
        return false;
    };
    EXPECT_FALSE(blends(3.0));
    EXPECT_TRUE(blends(2.5)); // drawn at 3
    EXPECT_EQ(s.deviceToImage(QPointF(20, 5)), QPoint(8, 2));
}

namespace {
// A picture whose pixels at each scale are their own: finer, not enlarged.
Bitmap pattern(QSize size) {
    return Bitmap("pattern", size, [size](int scale) {
        QImage img(size * scale, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, qRgb(40 * scale, (x * 37 + y * 11) % 256, (x ^ y) * 5 % 256));
        return img;
    });
}

void drawScene(Screen& s) {
    s.tileBitmap(pattern({9, 7}));
    s.fillEllipse(5, 4, 30, 22, QColor(200, 30, 30));
    s.andBitmap(pattern({6, 6}), 20, 3);
}
} // namespace

TEST(ScreenBoardArea, HoldsOnlyTheBoardAndRepeatsTheTileOrFillAroundIt) {
    ensureApplication();
    Screen whole;
    Screen board;
    board.setBoardArea(QRect(6, 5, 20, 12));
    const auto sameView = [&] { return whole.shown() == board.shown(); };
    for (Screen* s : {&whole, &board}) {
        s->setView(40, 30, 1, 2.0);
        s->tileBitmap(pattern({9, 7}));
        s->fillEllipse(8, 6, 24, 16, QColor(200, 30, 30));
        s->andBitmap(pattern({6, 6}), 18, 8);
    }
    EXPECT_EQ(board.image().size(), QSize(40, 24));
    EXPECT_TRUE(sameView());
    EXPECT_EQ(board.capture(10, 7, 8, 6).pixels(2), whole.capture(10, 7, 8, 6).pixels(2));
    for (Screen* s : {&whole, &board})
        s->setView(40, 30, 1, 1.0);
    EXPECT_TRUE(sameView());
    // A fill of the whole view replaces the tile around the board.
    for (Screen* s : {&whole, &board})
        s->fillRect(0, 0, 40, 30, QColor(0, 0, 90));
    EXPECT_TRUE(sameView());
}

TEST(ScreenScale, WhatWasDrawnAndCapturedIsDrawnAgainAtANewScale) {
    ensureApplication();
    Screen reference;
    reference.setView(80, 60, 2);
    drawScene(reference);
    Screen s;
    s.setView(40, 30, 1);
    drawScene(s);
    const Bitmap piece = s.capture(8, 8, 16, 12);
    s.setView(80, 60, 2); // the zoom doubles: the same board units, twice the pixels
    EXPECT_EQ(s.image(), reference.image());
    // An image made ahead serves a blank screen, and never stands in for what
    // was drawn.
    Screen ahead;
    Screen drawn;
    drawn.setView(40, 30, 1);
    drawScene(drawn);
    for (Screen* t : {&ahead, &drawn}) {
        t->prepareImage(QSize(40, 30), 2);
        t->setView(80, 60, 2);
    }
    drawScene(ahead);
    EXPECT_EQ(ahead.image(), reference.image());
    EXPECT_EQ(drawn.image(), reference.image());
    s.fillRect(0, 0, 40, 30, Qt::black);
    s.drawBitmap(piece, 8, 8);
    const QRect area(16, 16, 32, 24);
    EXPECT_EQ(s.image().copy(area), reference.image().copy(area));
    // However much is drawn, a scale change keeps it.
    const Font font = createFont({"Times New Roman", 12});
    for (int i = 0; i < 5000; ++i)
        s.drawText(font, Qt::white, 2, 2, "x");
    s.setView(40, 30, 1);
    int ink = 0;
    for (int y = 2; y < 16; ++y)
        for (int x = 2; x < 10; ++x)
            ink += s.image().pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_GT(ink, 5);
    // Pixels made ahead are the ones drawn; pixels let go are made again.
    int made = 0;
    const Bitmap counted("counted", {2, 2}, [&made](int scale) {
        ++made;
        return QImage(QSize(2, 2) * scale, QImage::Format_RGB32);
    });
    counted.prepare(3);
    counted.pixels(3);
    counted.release();
    EXPECT_EQ(counted.pixels(3).size(), QSize(6, 6));
    EXPECT_EQ(made, 2);
}

TEST(ViewSettingsFile, RoundTripsAndTakesDamageAsOneX) {
    const fs::path dir = fs::temp_directory_path() / ("td-zoom-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "tumbledown.ini").string();
    EXPECT_EQ(loadViewSettings(path).zoom, 1); // missing
    ASSERT_TRUE(saveViewSettings({3}, path));
    EXPECT_EQ(loadViewSettings(path).zoom, 3);
    std::ofstream(path) << "# mine\n\n  zoom = 4 \r\ntheme=dark\n";
    EXPECT_EQ(loadViewSettings(path).zoom, 4);
    for (const std::string& bytes : std::initializer_list<std::string>{
             "zoom=abc\n", "zoom=\n", "zoom=0\n", "zoom=17\n", "zoom=2x\n", "zoom 2\n",
             "zoom=99999999999999999999\n", "zoom=2\ngarbage\n", std::string("zoom=2\n\0", 8),
             "#" + std::string(5000, 'x') + "\nzoom=2\n"}) {
        std::ofstream(path, std::ios::trunc) << bytes;
        EXPECT_EQ(loadViewSettings(path).zoom, 1) << bytes.substr(0, 30);
    }
    EXPECT_FALSE(saveViewSettings({2}, (dir / "gone" / "tumbledown.ini").string()));
    fs::remove_all(dir);
}

namespace {
class Recorder : public EventSink {
public:
    void handleEvent(const InputEvent& event) override { events.push_back(event); }
    std::vector<InputEvent> events;
};
} // namespace

TEST(ClientAreaZoom, CtrlKeysZoomRememberAndMapTheMouseBack) {
    ensureApplication();
    const fs::path dir = fs::temp_directory_path() / ("td-zoomkeys-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    setPreferencesDir(dir.string());
    Recorder recorder;
    eventQueue().setSink(&recorder);
    const auto key = [](QWidget& w, int k, Qt::KeyboardModifiers m, const char* text) {
        QKeyEvent event(QEvent::KeyPress, k, m, text);
        QCoreApplication::sendEvent(&w, &event);
    };
    {
        ClientArea area(nullptr);
        area.resize(1400, 900);
        area.show();
        key(area, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "+");
        EXPECT_EQ(screen().zoom(), 2);
        EXPECT_EQ(screen().width(), 700);
        key(area, Qt::Key_Equal, Qt::ControlModifier, "="); // 3x does not fit
        key(area, Qt::Key_Plus, Qt::ShiftModifier, "+");    // the board's own key
        const QPointF at(869, 443);
        QMouseEvent press(QEvent::MouseButtonPress, at, area.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&area, &press);
        eventQueue().dispatchAll();
        std::vector<InputEvent> input; // without the size changes
        for (const InputEvent& e : recorder.events)
            if (e.type != EventType::Size)
                input.push_back(e);
        ASSERT_EQ(input.size(), 2u);
        EXPECT_EQ(input[0].ch, '+');
        EXPECT_EQ(input[1].x, 434);
        EXPECT_EQ(input[1].y, 221);
        key(area, Qt::Key_Minus, Qt::ControlModifier, "-");
        EXPECT_EQ(screen().zoom(), 1);
        key(area, Qt::Key_Equal, Qt::ControlModifier, "=");
        EXPECT_EQ(screen().zoom(), 2);
        key(area, Qt::Key_0, Qt::ControlModifier, "0");
        EXPECT_EQ(screen().zoom(), 1);
        EXPECT_EQ(loadViewSettings(viewSettingsPath()).zoom, 1);
    }
    eventQueue().dispatchAll();
    eventQueue().setSink(nullptr);
    setPreferencesDir(".");
    screen().resize(0, 0);
    fs::remove_all(dir);
}
