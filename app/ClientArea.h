// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/BoardZoom.h"
#include "core/InputRouting.h"

#include <QWidget>

namespace tumbledown {

// The client area: shows the off-screen image and turns the mouse and the keys
// into events of the window's own queue. It shows the image at the board zoom
// (Ctrl+Plus, Ctrl+Minus, Ctrl+0) and the screen's device pixel ratio, and maps
// the mouse back to image positions.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent);

    // The zoom of an earlier run, shown once the client area is large enough.
    void restoreZoom(int factor);
    // The player's zoom, within what fits now; remembered for the next run.
    void setZoom(int factor);
    int zoom() const { return zoom_.factor(); }
    // Draws the ring round the router's focused spot, over the board.
    void showFocusOf(InputRouter& router);
    const InputRouter* router() const { return router_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Backtab move the ring on the board, not the focus between widgets.
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool zoomKey(const QKeyEvent& event);
    // Remembers a new choice for the next run and shows it.
    void showChosenZoom(int wantedBefore);
    // The image takes the size and scale the zoom and the pixel ratio give it;
    // a size change follows.
    void applyZoom();
    // Tab, Backtab, the arrows, Return and Enter (Shift+ for a right click).
    static bool navigationKey(const QKeyEvent& event);
    void paintFocusRing(QPainter& painter) const;

    BoardZoom zoom_;
    const InputRouter* router_ = nullptr;
};

} // namespace tumbledown
