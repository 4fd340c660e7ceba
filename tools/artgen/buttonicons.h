// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The icons engraved on the boards' small buttons, drawn to fill the button's
// rectangle (they are laid out for the sizes the boards give their buttons).

#include <QPainterPath>
#include <QRectF>

namespace art {

enum class ButtonIcon {
    Faster,
    Slower,
    Music,
    MusicFile,
    Sound,
    Help,
    Mischief,
    NextTune, // a note and a pointer onward (laid out for 23 x 23)
    AcesWild, // an A and a star (28 x 21)
    Exit,     // an arrow pointing back (27 x 20)
};

QPainterPath buttonIcon(ButtonIcon kind, const QRectF& r);
// The icon centred on r, and shrunk if need be to leave margin all round, for
// buttons of other sizes than the icon was laid out for.
QPainterPath fittedButtonIcon(ButtonIcon kind, const QRectF& r, double margin);

} // namespace art
