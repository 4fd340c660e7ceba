// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Shut The Box pictures drawn over the board: the dice in the cup, in the
// air and on the baize, the icon-row buttons, the glyphs of the score card,
// the turn arrow and the Gremlin with his roving eyes. Each picture that the
// game blits onto the board carries the board beneath it, so no seam shows.

#include "artwork.h"
#include "buttonicons.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"
#include "shutthebox_art.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace art::shutthebox {

namespace {

// ------------------------------------------------------------------ dice

QPointF pipCentre(const QPoint& topLeft) {
    return QPointF(topLeft) + QPointF(kPipSize / 2.0, kPipSize / 2.0);
}

// The die's upper face, fitted round its pips: the corner pips of face 4
// give its slant, and it is grown until every pip of every face lies inside.
QPolygonF faceQuad(bool onBoard, int die) {
    const FacePips& faces = pips(onBoard, die);
    std::array<QPointF, 4> c;
    for (int i = 0; i < 4; ++i)
        c[i] = pipCentre(faces[3][i]);
    auto bySum = [](const QPointF& a, const QPointF& b) { return a.x() + a.y() < b.x() + b.y(); };
    std::sort(c.begin(), c.end(), bySum);
    // c[0] is top left, c[3] bottom right; of the other two the top right has more x - y.
    QPointF tr = c[1], bl = c[2];
    if (tr.x() - tr.y() < bl.x() - bl.y())
        std::swap(tr, bl);
    const std::array<QPointF, 4> corners{c[0], tr, c[3], bl};
    QPointF mid;
    for (const QPointF& p : corners)
        mid += p / 4.0;
    auto grown = [&](double k) {
        QPolygonF quad;
        for (const QPointF& p : corners)
            quad << mid + (p - mid) * k;
        return quad;
    };
    double k = 1.4;
    for (; k < 3.0; k += 0.02) {
        const QPolygonF quad = grown(k);
        bool all = true;
        for (int face = 0; face < 6 && all; ++face)
            for (int i = 0; i <= face && all; ++i)
                for (int a = 0; a < 8 && all; ++a) {
                    const double angle = a * M_PI / 4;
                    const QPointF edge =
                        pipCentre(faces[face][i]) + QPointF(std::cos(angle), std::sin(angle)) * 4.6;
                    all = quad.containsPoint(edge, Qt::OddEvenFill);
                }
        if (all)
            break;
    }
    return grown(k + 0.1);
}

QPainterPath roundedQuad(const QPolygonF& quad, double radius) {
    QTransform map;
    const QPolygonF square{QPointF(0, 0), QPointF(100, 0), QPointF(100, 100), QPointF(0, 100)};
    QTransform::quadToQuad(square, quad, map);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, 100, 100), radius, radius);
    return map.map(path);
}

// A die at rest with no pips: its upper face and the sides that show below it.
void drawRestingDie(QPainter& p, const QPolygonF& top, const QPointF& depth) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // The body is the rounded face swept down through the die's depth.
    QPainterPath body;
    for (int i = 0; i <= 8; ++i)
        body = body.united(roundedQuad(top.translated(depth * (i / 8.0)), 14));
    softShadow(p, body, 3, 4, 5, 190);
    QLinearGradient sideShade(top.boundingRect().topLeft(), top.boundingRect().bottomRight());
    sideShade.setColorAt(0.0, QColor(210, 198, 170));
    sideShade.setColorAt(1.0, QColor(140, 126, 100));
    p.fillPath(body, sideShade);
    const QPainterPath face = roundedQuad(top, 14);
    QLinearGradient lit(top[0], top[2]);
    lit.setColorAt(0.0, QColor(255, 253, 244));
    lit.setColorAt(0.6, QColor(244, 236, 214));
    lit.setColorAt(1.0, QColor(226, 214, 188));
    p.fillPath(face, lit);
    QRadialGradient gloss(top[0] + (top[2] - top[0]) * 0.25, 12);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(face, gloss);
    p.strokePath(face, QPen(QColor(150, 134, 104, 160), 0.8));
    p.strokePath(body, QPen(QColor(70, 56, 40, 190), 0.9));
    p.restore();
}

QImage paintResting(const QRect& r, const std::vector<int>& dice, bool onBoard) {
    QImage img = cutOut(board(), r);
    QPainter p(&img);
    p.translate(-r.topLeft());
    // Seen from above and a little in front, so the near side shows below.
    const QPointF depth = onBoard ? QPointF(1.5, 6) : QPointF(0, 6.5);
    for (int die : dice)
        drawRestingDie(p, faceQuad(onBoard, die), depth);
    p.end();
    return opaque(img);
}

struct Flight {
    QPointF centre;
    double size;
    Tumble tumble;
    double height; // above the baize, for the shadow
};

// Dice in mid air, pips and all (the game draws no pips on these frames).
QImage paintTumbling(const QRect& r, const std::vector<Flight>& dice) {
    QImage img = cutOut(board(), r);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-r.topLeft());
    for (const Flight& f : dice) {
        QPainterPath shadow;
        shadow.addEllipse(f.centre + QPointF(f.height * 0.35, f.height + f.size * 0.35),
                          f.size * 0.55, f.size * 0.22);
        softShadow(p, shadow, 0, 0, 6 + f.height / 6, 150 - static_cast<int>(f.height));
    }
    for (const Flight& f : dice) {
        // A faint blur of the path it flew, trailing up and to the left.
        for (int i = 3; i >= 1; --i) {
            p.setOpacity(0.08 * (4 - i));
            drawDie3D(p, f.centre - QPointF(i * 5.0, -i * 3.0), f.size,
                      {f.tumble.aboutX - i * 14, f.tumble.aboutY - i * 10, f.tumble.aboutZ},
                      ivoryDie());
        }
        p.setOpacity(1.0);
        drawDie3D(p, f.centre, f.size, f.tumble, ivoryDie());
    }
    p.end();
    return opaque(img);
}

// --------------------------------------------------------------- buttons

QImage paintButtonPicture(int index, bool on) {
    const QRect r = kButtons[index];
    if (!on)
        return opaque(cutOut(board(), r));
    QImage img = cutOut(boardWithoutButtons(), r);
    QPainter p(&img);
    p.translate(-r.topLeft());
    drawButton(p, index, true);
    p.end();
    return opaque(img);
}

// ---------------------------------------------------------------- glyphs

const QColor kGlyphInk(128, 22, 26);

QImage paintGlyph(int index) {
    const QSize size = kGlyphSizes[index];
    QImage img = canvas(size);
    img.fill(kCardColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QChar c = index < 26 ? QChar('A' + index) : QChar('0' + index - 26);
    // Sized so that the glyphs' widths are their advances; capitals stand on one baseline.
    const QFont font = makeFont(kSerif, 21, QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, font, QString(c));
    const QRectF ink = path.boundingRect();
    const double baseline = 15.5;
    path.translate(size.width() / 2.0 - ink.center().x(), baseline);
    QLinearGradient g(0, 1, 0, baseline);
    g.setColorAt(0.0, QColor(168, 34, 36));
    g.setColorAt(1.0, QColor(104, 14, 20));
    p.fillPath(path, g);
    p.end();
    return opaque(img);
}

// ------------------------------------------------------------- the arrow

QImage paintArrow() {
    QImage img = canvas(kArrowSize);
    img.fill(kCardColour);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A red pointer at the name of the player to move.
    QPainterPath arrow;
    arrow.moveTo(1.5, 3);
    arrow.lineTo(12, 3);
    arrow.lineTo(12, 0.8);
    arrow.lineTo(20.8, 5);
    arrow.lineTo(12, 9.2);
    arrow.lineTo(12, 7);
    arrow.lineTo(1.5, 7);
    arrow.closeSubpath();
    QLinearGradient g(0, 0, 0, 10);
    g.setColorAt(0.0, QColor(220, 60, 50));
    g.setColorAt(1.0, QColor(120, 16, 18));
    p.fillPath(arrow, g);
    p.strokePath(arrow, QPen(QColor(70, 10, 10), 0.8));
    p.end();
    return opaque(img);
}

// ----------------------------------------------------------- the Gremlin

// Eye centres within the head picture.
const QPointF kLeftEyeCentre(21.5, 19.5);
const QPointF kRightEyeCentre(48.5, 19.5);

QPointF pupilOffset(int position) {
    // The boxes run left to right above him: one step of the eyes per box, the
    // pupils highest when he looks at the middle boxes straight above.
    const double t = (position - 5) / 4.0;
    return QPointF(t * 3.8, -2.6 + 0.9 * t * t);
}

void drawEye(QPainter& p, const QPointF& c, int position) {
    // Yellow, bloodshot, under a heavy lid.
    QRadialGradient white(c + QPointF(-1.5, -2), 8);
    white.setColorAt(0.0, QColor(255, 252, 210));
    white.setColorAt(0.7, QColor(238, 222, 120));
    white.setColorAt(1.0, QColor(190, 150, 60));
    p.setPen(QPen(QColor(40, 50, 14), 1.0));
    p.setBrush(white);
    p.drawEllipse(c, 6.6, 7.2);
    p.setPen(QPen(QColor(200, 60, 40, 120), 0.5));
    p.drawLine(c + QPointF(-5.5, 2), c + QPointF(-3, 1));
    p.drawLine(c + QPointF(5.5, 2.5), c + QPointF(3.5, 1.5));
    const QPointF pupil = c + pupilOffset(position);
    QPainterPath eyeball;
    eyeball.addEllipse(c, 6.0, 6.6);
    p.save();
    p.setClipPath(eyeball);
    QRadialGradient iris(pupil, 3.6);
    iris.setColorAt(0.0, QColor(230, 80, 20));
    iris.setColorAt(1.0, QColor(120, 30, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(pupil, 3.4, 3.6);
    p.setBrush(QColor(10, 6, 4));
    p.drawEllipse(pupil, 1.3, 2.6); // a goat's slit of a pupil
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(pupil + QPointF(-1.2, -1.5), 0.8, 0.8);
    p.restore();
    // The upper lid droops: a sly look.
    QPainterPath lid;
    lid.moveTo(c + QPointF(-7.2, -1.5));
    lid.cubicTo(c + QPointF(-5, -9), c + QPointF(5, -9), c + QPointF(7.2, -2.5));
    lid.cubicTo(c + QPointF(4, -4.5), c + QPointF(-4, -4.5), c + QPointF(-7.2, -1.5));
    QLinearGradient skin(c + QPointF(0, -8), c + QPointF(0, -2));
    skin.setColorAt(0.0, QColor(110, 160, 60));
    skin.setColorAt(1.0, QColor(64, 110, 34));
    p.setPen(Qt::NoPen);
    p.fillPath(lid, skin);
    p.strokePath(lid, QPen(QColor(30, 44, 12), 0.8));
}

QImage paintGremlinHead(int position) {
    QImage img = cutOut(board(), kGremlin);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = kGremlin.width() / 2.0;
    // He peeks over the cup: his shadow falls on the baize behind him.
    QPainterPath silhouette;
    silhouette.addEllipse(QPointF(cx, 25), 21, 16);
    softShadow(p, silhouette, 2, 2, 4, 120);
    // Great pointed ears, pink inside.
    for (double side : {-1.0, 1.0}) {
        QPainterPath ear;
        ear.moveTo(cx + side * 16, 15);
        ear.cubicTo(cx + side * 24, 8, cx + side * 30, 6, cx + side * 35.5, 3);
        ear.cubicTo(cx + side * 32, 12, cx + side * 28, 24, cx + side * 17, 29);
        ear.closeSubpath();
        QLinearGradient g(QPointF(cx + side * 16, 0), QPointF(cx + side * 35, 0));
        g.setColorAt(0.0, QColor(80, 128, 44));
        g.setColorAt(1.0, QColor(128, 176, 72));
        p.fillPath(ear, g);
        p.strokePath(ear, QPen(QColor(30, 50, 12), 0.9));
        QPainterPath inner;
        inner.moveTo(cx + side * 19, 16);
        inner.cubicTo(cx + side * 25, 11, cx + side * 29, 9, cx + side * 32, 7);
        inner.cubicTo(cx + side * 29, 14, cx + side * 26, 21, cx + side * 19, 25);
        inner.closeSubpath();
        p.fillPath(inner, QColor(206, 120, 110, 200));
    }
    // The head: a lumpy green dome.
    QPainterPath head;
    head.moveTo(cx - 19, 30);
    head.cubicTo(cx - 24, 14, cx - 14, 2, cx, 2);
    head.cubicTo(cx + 14, 2, cx + 24, 14, cx + 19, 30);
    head.cubicTo(cx + 14, 40, cx - 14, 40, cx - 19, 30);
    QRadialGradient skin(QPointF(cx - 6, 10), 30);
    skin.setColorAt(0.0, QColor(150, 200, 90));
    skin.setColorAt(0.6, QColor(96, 150, 54));
    skin.setColorAt(1.0, QColor(52, 92, 28));
    p.fillPath(head, skin);
    p.strokePath(head, QPen(QColor(30, 50, 12), 1.0));
    // Warts and a wisp of hair.
    for (const QPointF& w : {QPointF(cx + 11, 8), QPointF(cx - 13, 28), QPointF(cx + 6, 5)}) {
        p.setPen(QPen(QColor(50, 80, 24), 0.5));
        p.setBrush(QColor(120, 160, 70));
        p.drawEllipse(w, 1.2, 1.2);
    }
    QPainterPath hair;
    hair.moveTo(cx - 1, 3);
    hair.cubicTo(cx - 4, -2, cx + 2, -2, cx + 5, 0.5);
    hair.moveTo(cx + 1, 3);
    hair.cubicTo(cx + 1, -1, cx + 6, -1, cx + 8, 2);
    p.strokePath(hair, QPen(QColor(30, 30, 20), 0.9, Qt::SolidLine, Qt::RoundCap));
    drawEye(p, kLeftEyeCentre, position);
    drawEye(p, kRightEyeCentre, position);
    // Brows: one cocked high, one scowling low. Mischief.
    QPainterPath brows;
    brows.moveTo(kLeftEyeCentre + QPointF(-8, -10.5));
    brows.quadTo(kLeftEyeCentre + QPointF(-1, -13), kLeftEyeCentre + QPointF(7, -7.5));
    brows.moveTo(kRightEyeCentre + QPointF(-7, -8.5));
    brows.quadTo(kRightEyeCentre + QPointF(2, -9.5), kRightEyeCentre + QPointF(8, -9));
    p.strokePath(brows, QPen(QColor(30, 40, 10), 2.2, Qt::SolidLine, Qt::RoundCap));
    // A hooked nose and a wide, toothy grin.
    QPainterPath nose;
    nose.moveTo(cx - 1.5, 21);
    nose.cubicTo(cx + 4, 23, cx + 5, 28, cx + 1, 29);
    nose.cubicTo(cx - 1, 29.5, cx - 3, 28, cx - 2.5, 26.5);
    p.fillPath(nose, QColor(70, 118, 38));
    p.strokePath(nose, QPen(QColor(30, 50, 12), 0.8));
    QPainterPath mouth;
    mouth.moveTo(cx - 15, 28.5);
    mouth.cubicTo(cx - 6, 38, cx + 7, 38, cx + 16, 27.5);
    mouth.cubicTo(cx + 8, 32.5, cx - 8, 32.5, cx - 15, 28.5);
    p.fillPath(mouth, QColor(60, 10, 12));
    p.save();
    p.setClipPath(mouth);
    for (double x : {-9.0, -3.5, 4.0, 10.0}) {
        QPainterPath tooth;
        tooth.moveTo(cx + x - 1.8, 29.5);
        tooth.lineTo(cx + x + 1.8, 29.5);
        tooth.lineTo(cx + x, 34.2);
        tooth.closeSubpath();
        p.fillPath(tooth, QColor(255, 250, 220));
    }
    p.restore();
    p.strokePath(mouth, QPen(QColor(30, 40, 10), 1.0));
    // Dimples at the corners of the grin.
    p.setPen(QPen(QColor(30, 50, 12), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(cx - 17, 26, 4, 4), 200 * 16, 120 * 16);
    p.drawArc(QRectF(cx + 13, 25, 4, 4), -40 * 16, 120 * 16);
    p.end();
    return opaque(img);
}

} // namespace

void drawButton(QPainter& p, int index, bool on) {
    const QRectF r = QRectF(kButtons[index]);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(3.0, std::min(r.width(), r.height()) / 2.0 - 0.5);
    const QPainterPath body = roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    // Bone buttons: raised when off, pressed in (and the Gremlin's lit red) when on.
    QLinearGradient bone(r.topLeft(), r.bottomLeft());
    if (on) {
        bone.setColorAt(0.0, QColor(176, 156, 120));
        bone.setColorAt(1.0, QColor(226, 210, 176));
    } else {
        bone.setColorAt(0.0, QColor(255, 250, 232));
        bone.setColorAt(0.6, QColor(232, 216, 182));
        bone.setColorAt(1.0, QColor(190, 168, 128));
    }
    p.fillPath(body, bone);
    QLinearGradient edge(r.topLeft(), r.bottomRight());
    edge.setColorAt(0.0, on ? QColor(60, 40, 16, 200) : QColor(255, 255, 245, 230));
    edge.setColorAt(0.5, QColor(0, 0, 0, 0));
    edge.setColorAt(1.0, on ? QColor(255, 250, 230, 150) : QColor(80, 56, 24, 200));
    p.save();
    p.setClipPath(body);
    p.strokePath(body, QPen(QBrush(edge), r.height() < 8 || r.width() < 8 ? 1.4 : 2.4));
    p.restore();
    p.strokePath(body, QPen(QColor(40, 22, 8), 0.9));
    const QRectF place = r.translated(on ? QPointF(0.6, 0.6) : QPointF(0, 0));
    static constexpr std::array<ButtonIcon, 7> kinds{
        ButtonIcon::Faster, ButtonIcon::Slower, ButtonIcon::Music,   ButtonIcon::MusicFile,
        ButtonIcon::Sound,  ButtonIcon::Help,   ButtonIcon::Mischief};
    const QPainterPath icon = buttonIcon(kinds[index], place);
    const bool mischief = kinds[index] == ButtonIcon::Mischief;
    const QColor ink = on && mischief ? QColor(220, 30, 20) : QColor(60, 34, 14);
    p.fillPath(icon.translated(0.4, 0.6), QColor(255, 250, 230, on ? 80 : 160));
    p.fillPath(icon, ink);
    p.restore();
}

} // namespace art::shutthebox

namespace art {

using namespace shutthebox;

QImage paintShutTheBoxDice(int picture) {
    switch (picture) {
    case 4:
        return paintResting(kTwoDice.inCup, {1, 2}, false);
    case 5:
        return paintTumbling(kTwoDice.tumbling1, {{{436, 270}, 30, {-40, 35, 25}, 18},
                                                  {{452, 350}, 32, {30, -50, -20}, 22}});
    case 6:
        return paintTumbling(kTwoDice.tumbling2, {{{536, 232}, 32, {-70, 60, 40}, 26},
                                                  {{556, 330}, 34, {50, -20, 70}, 30}});
    case 7:
        return paintResting(kTwoDice.onBoard, {1, 2}, true);
    case 60:
        return paintResting(kOneDie.inCup, {2}, false);
    case 61:
        return paintTumbling(kOneDie.tumbling1, {{{450, 344}, 32, {-35, 45, 30}, 20}});
    case 62:
        return paintTumbling(kOneDie.tumbling2, {{{578, 360}, 30, {60, -30, -40}, 14}});
    default:
        return paintResting(kOneDie.onBoard, {2}, true);
    }
}

QImage paintShutTheBoxButton(int button, bool on) {
    return paintButtonPicture(button, on);
}

QImage paintShutTheBoxGlyph(int index) {
    return paintGlyph(index);
}

QImage paintShutTheBoxArrow() {
    return paintArrow();
}

QImage paintShutTheBoxGremlin() {
    return paintGremlinHead(5);
}

QImage paintShutTheBoxEye(int position, bool left) {
    const QImage head = paintGremlinHead(position);
    const QPoint at = (left ? kLeftEye : kRightEye) - kGremlin.topLeft();
    return head.copy(toPixels(QRect(at, eyeSize(position, left)), scaleOf(head)));
}

} // namespace art
