// The program icon: two dice tumbling, one red and one ivory. Large faces and
// few pips keep it readable when scaled down to 32 x 32.

#include "artwork.h"
#include "paintkit.h"
#include "props.h"

namespace art {

QImage paintIcon() {
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shadows;
    shadows.addEllipse(QPointF(96, 150), 70, 22);
    shadows.addEllipse(QPointF(170, 226), 66, 20);
    softShadow(p, shadows, 0, 0, 12, 120);

    drawDie3D(p, QPointF(92, 92), 104, {-24, 30, -16}, redDie());
    drawDie3D(p, QPointF(168, 166), 100, {-30, -28, 20}, ivoryDie());
    p.end();
    return img;
}

} // namespace art
