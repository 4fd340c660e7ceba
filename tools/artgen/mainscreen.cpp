// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main screen: a baize table with a walnut rail holding the three game
// cards, the title, three plaques (help, scores, about) and a slate for the
// tip of the day. The program draws the tip text itself onto the slate.

#include "artwork.h"
#include "lettering.h"
#include "paintkit.h"
#include "props.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <array>

namespace art {

namespace {

constexpr QSize kSize(569, 428);

// Click spots of the main screen, in picture coordinates.
constexpr QRect kTenThousandCard(18, 27, 102, 98);
constexpr QRect kPokerDiceCard(18, 133, 102, 128);
constexpr QRect kShutTheBoxCard(18, 275, 102, 145);
constexpr QRect kHelpPlaque(248, 108, 77, 38);
constexpr QRect kScoresPlaque(292, 157, 108, 29);
constexpr QRect kAboutPlaque(336, 195, 100, 31);
constexpr QRect kNextTipTab(470, 401, 90, 20);
// The program prints the tip here in dark blue, so it must stay pure black.
constexpr QRect kTipSlate(200, 290, 352, 111);

constexpr int kRailWidth = 138;
constexpr int kCardBandHeight = 24;

const QColor kBaize(24, 92, 58);
const QColor kGoldLight(255, 234, 160);
const QColor kGoldDark(190, 132, 38);
const QColor kInk(36, 20, 8);

Lettering goldLettering() {
    Lettering l;
    l.fillTop = kGoldLight;
    l.fillBottom = kGoldDark;
    l.outline = QColor(46, 24, 6);
    l.outlineWidth = 2.0;
    l.shadow = QColor(0, 0, 0, 170);
    l.shadowOffset = {1.5, 2.0};
    l.shadowBlur = 3.0;
    return l;
}

Texture woodTexture(QSize size, const QColor& dark, const QColor& light, std::uint32_t seed,
                    double rings = 0.08) {
    const WoodStyle style{dark, light, rings, 6.0, seed};
    return Texture(size, [style](QImage& img, const QRect& r) { paintWood(img, r, style); });
}

void paintTable(QImage& img) {
    paintFelt(img, boardRect(img), kBaize, 0.22, 216);
    // Walnut rail along the left edge, grain running downwards.
    WoodStyle walnut{QColor(52, 28, 14), QColor(118, 70, 36), 0.07, 7.0, 5};
    paintWood(img, QRect(0, 0, kRailWidth, kSize.height()), walnut, true);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Lamp light over the middle of the table.
    QRadialGradient lamp(QPointF(360, 150), 330);
    lamp.setColorAt(0.0, QColor(255, 240, 190, 46));
    lamp.setColorAt(1.0, QColor(255, 240, 190, 0));
    p.fillRect(QRect(kRailWidth, 0, kSize.width(), kSize.height()), lamp);
    vignette(p, QRectF(kRailWidth, 0, kSize.width() - kRailWidth, kSize.height()), 0.55);

    // The rail stands proud of the baize: shadow to its right, rounded edge.
    QLinearGradient shadow(kRailWidth, 0, kRailWidth + 14, 0);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 150));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(kRailWidth, 0, 14, kSize.height()), shadow);
    QLinearGradient edge(kRailWidth - 8, 0, kRailWidth, 0);
    edge.setColorAt(0.0, QColor(255, 220, 170, 0));
    edge.setColorAt(0.55, QColor(255, 220, 170, 60));
    edge.setColorAt(1.0, QColor(0, 0, 0, 140));
    p.fillRect(QRect(kRailWidth - 8, 0, 8, kSize.height()), edge);
    QLinearGradient railShade(0, 0, kRailWidth, 0);
    railShade.setColorAt(0.0, QColor(0, 0, 0, 90));
    railShade.setColorAt(0.3, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 0, kRailWidth, kSize.height()), railShade);
}

// Brass-framed card with a lettered band at the bottom; returns the picture area.
QRectF drawCardFrame(QPainter& p, const QRect& card, const QString& title) {
    const QRectF outer(card);
    const QPainterPath frame = roundedRect(outer, 6);
    softShadow(p, frame, 3, 4, 6, 190);
    QLinearGradient brass(outer.topLeft(), outer.bottomRight());
    brass.setColorAt(0.0, QColor(250, 222, 140));
    brass.setColorAt(0.5, QColor(196, 146, 58));
    brass.setColorAt(1.0, QColor(120, 80, 24));
    p.fillPath(frame, brass);
    bevel(p, frame, 1.5, 200, 160);

    const QRectF inner = outer.adjusted(4, 4, -4, -4);
    const QRectF band(inner.left(), inner.bottom() - kCardBandHeight, inner.width(),
                      kCardBandHeight);
    static PerScale<Texture> walnut;
    fillPathWithImage(p, roundedRect(band, 2), walnut.get([] {
        return woodTexture(kSize, QColor(40, 20, 10), QColor(96, 54, 26), 31, 0.12);
    }));
    QLinearGradient bandLight(band.topLeft(), band.bottomLeft());
    bandLight.setColorAt(0.0, QColor(255, 255, 255, 50));
    bandLight.setColorAt(0.5, QColor(255, 255, 255, 0));
    bandLight.setColorAt(1.0, QColor(0, 0, 0, 80));
    p.fillRect(band, bandLight);
    const QFont font =
        fittedFont(kSerif, QFont::Bold, false, title, band.size() - QSizeF(8, 6), 20);
    letterCentred(p, band, title, font, goldLettering());
    return QRectF(inner.left(), inner.top(), inner.width(), inner.height() - kCardBandHeight - 1);
}

void insetShadow(QPainter& p, const QRectF& area) {
    // A thin dark line inside the frame makes the picture sit behind the brass.
    p.save();
    p.setPen(QPen(QColor(0, 0, 0, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(1, 1, -1, -1));
    p.restore();
}

// 10,000: a leaded stained-glass window glowing behind a die.
void drawTenThousandCard(QPainter& p) {
    const QRectF area = drawCardFrame(p, kTenThousandCard, QStringLiteral("10,000"));
    p.save();
    p.setClipRect(area);
    QLinearGradient wall(area.topLeft(), area.bottomLeft());
    wall.setColorAt(0.0, QColor(92, 84, 76));
    wall.setColorAt(1.0, QColor(58, 52, 48));
    p.fillRect(area, wall);

    // The window: an arch divided into panes by lead.
    const QRectF win = area.adjusted(10, 5, -10, -2);
    QPainterPath arch;
    arch.moveTo(win.left(), win.bottom());
    arch.lineTo(win.left(), win.top() + win.width() / 2);
    arch.arcTo(QRectF(win.left(), win.top(), win.width(), win.width()), 180, -180);
    arch.lineTo(win.right(), win.bottom());
    arch.closeSubpath();
    static const std::array<QColor, 6> glass{QColor(40, 90, 200),  QColor(230, 170, 40),
                                             QColor(190, 40, 50),  QColor(50, 150, 90),
                                             QColor(120, 60, 170), QColor(240, 210, 110)};
    p.save();
    p.setClipPath(arch, Qt::IntersectClip);
    const int cols = 3;
    const int rows = 4;
    const double cw = win.width() / cols;
    const double rh = win.height() / rows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const QRectF pane(win.left() + c * cw, win.top() + r * rh, cw, rh);
            const QColor base = glass[(r * 2 + c * 5) % glass.size()];
            QRadialGradient g(pane.center() + QPointF(-3, -4), cw);
            g.setColorAt(0.0, shade(base, 1.5));
            g.setColorAt(1.0, shade(base, 0.75));
            p.fillRect(pane, g);
        }
    }
    p.setPen(QPen(QColor(30, 30, 34), 2.2));
    for (int c = 1; c < cols; ++c)
        p.drawLine(QPointF(win.left() + c * cw, win.top()),
                   QPointF(win.left() + c * cw, win.bottom()));
    for (int r = 1; r < rows; ++r)
        p.drawLine(QPointF(win.left(), win.top() + r * rh),
                   QPointF(win.right(), win.top() + r * rh));
    p.restore();
    p.setPen(QPen(QColor(210, 196, 170), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arch);
    drawDie3D(p, QPointF(area.right() - 17, area.bottom() - 15), 21, {-28, 32, 12}, ivoryDie());
    drawDie3D(p, QPointF(area.left() + 15, area.bottom() - 12), 16, {-30, -25, -20}, redDie());
    p.restore();
    insetShadow(p, area);
}

void drawAbacus(QPainter& p, const QRectF& r, int rods) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath frame = roundedRect(r, 2);
    p.setPen(QPen(QColor(70, 36, 12), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    const double bar = r.top() + r.height() * 0.34;
    p.drawLine(QPointF(r.left(), bar), QPointF(r.right(), bar));
    const double step = r.width() / (rods + 1);
    for (int i = 1; i <= rods; ++i) {
        const double x = r.left() + i * step;
        p.setPen(QPen(QColor(200, 190, 160), 1));
        p.drawLine(QPointF(x, r.top() + 2), QPointF(x, r.bottom() - 2));
        const double bw = step * 0.85;
        const double bh = bw * 0.62;
        drawBead(p, QRectF(x - bw / 2, bar - bh - 1 - (i % 2) * 4, bw, bh), QColor(150, 30, 30));
        for (int k = 0; k < 3; ++k) {
            const double y = bar + 2 + k * bh + (k >= i % 3 + 1 ? 5 : 0);
            drawBead(p, QRectF(x - bw / 2, y, bw, bh), QColor(170, 110, 40));
        }
    }
    p.setPen(QPen(QColor(70, 36, 12), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.restore();
}

// Poker Dice: an abacus, a heap of gold and two poker dice on red cloth.
void drawPokerDiceCard(QPainter& p) {
    const QRectF area = drawCardFrame(p, kPokerDiceCard, QStringLiteral("Poker Dice"));
    p.save();
    p.setClipRect(area);
    QRadialGradient cloth(area.center() + QPointF(0, -10), area.width());
    cloth.setColorAt(0.0, QColor(150, 30, 40));
    cloth.setColorAt(1.0, QColor(60, 8, 16));
    p.fillRect(area, cloth);
    drawAbacus(p, QRectF(area.left() + 6, area.top() + 5, area.width() - 12, 38), 6);

    const QPointF heap(area.left() + 27, area.bottom() - 16);
    for (int i = 0; i < 5; ++i)
        drawCoin(p, heap + QPointF(0, -i * 3.2), 15, 6);
    drawCoin(p, heap + QPointF(18, 4), 11, 4.5);
    drawCoin(p, heap + QPointF(-12, 7), 10, 4);
    drawDie3D(p, QPointF(area.right() - 24, area.top() + 62), 24, {-22, 28, -14}, pokerDie());
    drawDie3D(p, QPointF(area.right() - 20, area.bottom() - 16), 20, {-35, -30, 18}, pokerDie());
    p.restore();
    insetShadow(p, area);
}

// Shut The Box: the box seen from above, flaps 1 to 9 with a few shut.
void drawShutTheBoxCard(QPainter& p) {
    const QRectF area = drawCardFrame(p, kShutTheBoxCard, QStringLiteral("Shut The Box"));
    p.save();
    p.setClipRect(area);
    static PerScale<Texture> oakTexture;
    const QImage& oak =
        oakTexture
            .get([] { return woodTexture(kSize, QColor(120, 72, 30), QColor(196, 140, 76), 77); })
            .over(area);
    const int s = scaleOf(oak);
    p.drawImage(area, oak, QRectF(area.topLeft() * s, area.size() * s));
    // The felt tray inside the box.
    const QRectF tray = area.adjusted(5, 38, -5, -6);
    p.fillRect(tray, QColor(28, 100, 62));
    QLinearGradient trayShade(tray.topLeft(), tray.bottomLeft());
    trayShade.setColorAt(0.0, QColor(0, 0, 0, 140));
    trayShade.setColorAt(0.25, QColor(0, 0, 0, 0));
    p.fillRect(tray, trayShade);
    p.setPen(QPen(QColor(60, 30, 10), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(tray);

    const double flapW = (area.width() - 6) / 9.0;
    const std::array<bool, 9> shut{false, true, false, false, true, false, false, true, false};
    const QFont digits = makeFont(kSans, 11, QFont::Bold);
    for (int i = 0; i < 9; ++i) {
        const double x = area.left() + 3 + i * flapW;
        const QRectF flap(x + 0.5, area.top() + 4, flapW - 1, shut[i] ? 12 : 30);
        QLinearGradient ivory(flap.topLeft(), flap.topRight());
        const QColor face = shut[i] ? QColor(150, 120, 80) : QColor(250, 240, 214);
        ivory.setColorAt(0.0, shade(face, 1.05));
        ivory.setColorAt(1.0, shade(face, 0.8));
        p.setPen(QPen(QColor(70, 40, 16), 0.8));
        p.setBrush(ivory);
        p.drawRoundedRect(flap, 1.5, 1.5);
        letterCentred(p, flap, QString::number(i + 1), digits,
                      plain(shut[i] ? QColor(70, 44, 20) : QColor(30, 20, 12)));
    }
    drawDie3D(p, tray.center() + QPointF(-14, 2), 24, {-25, 30, 20}, ivoryDie());
    drawDie3D(p, tray.center() + QPointF(18, 22), 22, {-35, -35, -10}, ivoryDie());
    p.restore();
    insetShadow(p, area);
}

void drawTitle(QPainter& p) {
    const QRectF box(150, 4, 410, 82);
    const QFont font = fittedFont(kDisplaySerif, QFont::Bold, true, QStringLiteral("Tumbledown"),
                                  box.size() - QSizeF(20, 10), 72);
    Lettering style = goldLettering();
    style.outlineWidth = 3.0;
    style.shadowOffset = {3.0, 5.0};
    style.shadowBlur = 7.0;
    style.highlight = QColor(255, 255, 230, 120);
    letterCentred(p, box, QStringLiteral("Tumbledown"), font, style);

    Lettering sub = plain(QColor(236, 224, 190));
    sub.shadow = QColor(0, 0, 0, 200);
    sub.shadowOffset = {1.0, 1.0};
    letterCentred(p, QRectF(150, 82, 410, 18),
                  QStringLiteral("\u2022  three games of dice  \u2022"),
                  makeFont(kSerif, 15, QFont::Normal, true), sub);
}

// A mahogany plaque with brass edge and ivory lettering.
void drawPlaque(QPainter& p, const QRect& spot, const QString& text) {
    const QRectF r(spot);
    const QPainterPath outer = roundedRect(r, 7);
    softShadow(p, outer, 3, 4, 6, 200);
    QLinearGradient brass(r.topLeft(), r.bottomRight());
    brass.setColorAt(0.0, QColor(250, 222, 140));
    brass.setColorAt(1.0, QColor(130, 88, 28));
    p.fillPath(outer, brass);
    const QRectF inner = r.adjusted(3, 3, -3, -3);
    const QPainterPath face = roundedRect(inner, 5);
    static PerScale<Texture> mahogany;
    fillPathWithImage(p, face, mahogany.get([] {
        return woodTexture(kSize, QColor(70, 18, 10), QColor(140, 52, 30), 13, 0.1);
    }));
    gloss(p, face, 70);
    bevel(p, face, 2, 90, 140);
    const QFont font =
        fittedFont(kSerif, QFont::Bold, false, text, inner.size() - QSizeF(12, 10), 24);
    Lettering ivory;
    ivory.fillTop = QColor(255, 250, 232);
    ivory.fillBottom = QColor(226, 206, 160);
    ivory.shadow = QColor(0, 0, 0, 220);
    ivory.shadowOffset = {1.2, 1.5};
    letterCentred(p, inner, text, font, ivory);
}

void drawTableDice(QPainter& p) {
    // Dice tumbling across the baize on the right, coins spilled on the left.
    const QPainterPath spotA = [] {
        QPainterPath s;
        s.addEllipse(QPointF(492, 178), 30, 10);
        s.addEllipse(QPointF(533, 246), 26, 9);
        return s;
    }();
    softShadow(p, spotA, 0, 0, 8, 140);
    drawDie3D(p, QPointF(490, 150), 46, {-28, 35, 18}, redDie());
    drawDie3D(p, QPointF(532, 224), 38, {-40, -28, -24}, ivoryDie());

    QPainterPath coinShadow;
    coinShadow.addEllipse(QPointF(190, 236), 36, 12);
    softShadow(p, coinShadow, 2, 3, 8, 140);
    for (int i = 0; i < 6; ++i)
        drawCoin(p, QPointF(178, 236 - i * 4.5), 20, 8);
    for (int i = 0; i < 3; ++i)
        drawCoin(p, QPointF(212, 242 - i * 4.5), 16, 6.5);
    drawCoin(p, QPointF(196, 258), 13, 5);
    drawCoin(p, QPointF(166, 170), 14, 5.5);
    drawDie3D(p, QPointF(192, 140), 34, {-30, 20, -30}, ivoryDie());
}

void drawTipSlate(QPainter& p) {
    // A pale maple frame, closed on all four sides inside the picture, so that
    // the black slate, and the dark text on it, stand out.
    const QRectF frame(kTipSlate.left() - 11, kTipSlate.top() - 12, kTipSlate.width() + 22,
                       kTipSlate.height() + 23);
    const QPainterPath framePath = roundedRect(frame, 6);
    softShadow(p, framePath, 3, 4, 7, 200);
    static PerScale<Texture> maple;
    fillPathWithImage(p, framePath, maple.get([] {
        return woodTexture(kSize, QColor(196, 156, 98), QColor(246, 222, 176), 41, 0.06);
    }));
    bevel(p, framePath, 3, 150, 150);
    p.fillRect(QRectF(kTipSlate).adjusted(-2, -2, 2, 2), QColor(70, 44, 20));

    const QRectF label(kTipSlate.center().x() - 66, 264, 134, 24);
    const QPainterPath plate = roundedRect(label, 5);
    softShadow(p, plate, 2, 3, 4, 170);
    QLinearGradient brass(label.topLeft(), label.bottomLeft());
    brass.setColorAt(0.0, QColor(255, 236, 160));
    brass.setColorAt(0.5, QColor(214, 164, 66));
    brass.setColorAt(1.0, QColor(150, 100, 30));
    p.fillPath(plate, brass);
    bevel(p, plate, 1.5, 220, 150);
    letterCentred(p, label, QStringLiteral("Tip of the Day"),
                  makeFont(kSerif, 16, QFont::Bold, true), engraved(kInk));

    const QRectF tab(kNextTipTab);
    const QPainterPath tabPath = roundedRect(tab, 5);
    softShadow(p, tabPath, 2, 2, 3, 170);
    p.fillPath(tabPath, brass);
    bevel(p, tabPath, 1.5, 220, 150);
    letterCentred(p, tab, QStringLiteral("Next Tip \u25B8"), makeFont(kSerif, 14, QFont::Bold),
                  engraved(kInk));

    p.fillRect(kTipSlate, Qt::black);
}

} // namespace

QImage paintMainScreen() {
    QImage img = canvas(kSize);
    paintTable(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawTableDice(p);
    drawTitle(p);
    drawTenThousandCard(p);
    drawPokerDiceCard(p);
    drawShutTheBoxCard(p);
    drawPlaque(p, kHelpPlaque, QStringLiteral("Help"));
    drawPlaque(p, kScoresPlaque, QStringLiteral("Top Scores"));
    drawPlaque(p, kAboutPlaque, QStringLiteral("About"));
    drawTipSlate(p);
    p.end();
    return opaque(img);
}

} // namespace art
