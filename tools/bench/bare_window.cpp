// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up time: a bare Qt Widgets program that opens a
// maximised window with a menu bar, paints once, prints the wall-clock time of
// that paint (ns since 1970) and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {
class PaintOnce : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::black);
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"Game", "Music", "Scores", "Help"})
        window.menuBar()->addMenu(title)->addAction("Item");
    window.setCentralWidget(new PaintOnce);
    // As large as the screen before it shows, as Tumbledown's window is: a
    // display without a window manager would leave a maximised window small.
    if (const QScreen* screen = window.screen())
        window.resize(screen->availableGeometry().size());
    window.showMaximized();
    return app.exec();
}
