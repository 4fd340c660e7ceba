#pragma once

// The icons engraved on the boards' small buttons, drawn to fill the button's
// rectangle (they are laid out for the sizes the boards give their buttons).

#include <QPainterPath>
#include <QRectF>

namespace art {

enum class ButtonIcon { Faster, Slower, Music, MusicFile, Sound, Help, Mischief };

QPainterPath buttonIcon(ButtonIcon kind, const QRectF& r);

} // namespace art
