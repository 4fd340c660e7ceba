// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tumbledown {

// The whole-number zoom of the board view. The player asks for a factor; what
// is shown is that factor as far as the client area fits the board at it, so
// a window made smaller drops the zoom and made larger again brings it back.
class BoardZoom {
public:
    static constexpr int maxFactor = 16;

    // The largest factor at which the board fits a client of this size; 1 when
    // it does not even fit at 1x.
    static int largestFitting(int clientWidth, int clientHeight);

    void setClientSize(int width, int height);
    // The factor shown.
    int factor() const;
    // The factor asked for, as remembered between runs.
    int wanted() const { return wanted_; }

    // A factor remembered from an earlier run: kept even while the client is
    // still too small for it (the window is not at its full size yet).
    void restore(int wanted);
    // Asks for a factor; it is kept within 1 and what fits now.
    void set(int wanted);
    // One step up, if the board still fits; one step down, to 1 at least.
    void zoomIn();
    void zoomOut();

private:
    int wanted_ = 1;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
};

} // namespace tumbledown
