// SPDX-FileCopyrightText: 2026 The Tumbledown developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClientArea.h"

#include "BoardAccessibility.h"

#include "core/ProgramState.h"
#include "platform/DataFiles.h"
#include "platform/EventQueue.h"
#include "platform/Screen.h"
#include "platform/Transcript.h"
#include "platform/ViewSettings.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tumbledown {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ClientArea::restoreZoom(int factor) {
    zoom_.restore(factor);
    if (zoom_.factor() != tumbledown::screen().zoom())
        applyZoom();
}

void ClientArea::setZoom(int factor) {
    const int wanted = zoom_.wanted();
    zoom_.set(factor);
    showChosenZoom(wanted);
}

bool ClientArea::zoomKey(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier))
        return false;
    const int wanted = zoom_.wanted();
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: // Ctrl+Plus without the Shift key
        zoom_.zoomIn();
        break;
    case Qt::Key_Minus:
        zoom_.zoomOut();
        break;
    case Qt::Key_0:
        zoom_.set(1);
        break;
    default:
        return false;
    }
    showChosenZoom(wanted);
    return true;
}

void ClientArea::showChosenZoom(int wantedBefore) {
    if (zoom_.wanted() != wantedBefore)
        saveViewSettings({zoom_.wanted()}, viewSettingsPath());
    if (zoom_.factor() != tumbledown::screen().zoom())
        applyZoom();
}

void ClientArea::applyZoom() {
    Screen& s = tumbledown::screen();
    const bool changed = zoom_.factor() != s.zoom();
    s.setView(width(), height(), zoom_.factor(), devicePixelRatioF());
    if (changed)
        transcript().write({"zoom", std::to_string(s.zoom())});
    eventQueue().post({EventType::Size});
}

void ClientArea::paintEvent(QPaintEvent* event) {
    // On a screen of another pixel ratio the image is drawn again at its scale.
    if (devicePixelRatioF() != tumbledown::screen().devicePixelRatio())
        applyZoom();
    QPainter painter(this);
    tumbledown::screen().show(painter, event->rect(), devicePixelRatioF());
    paintFocusRing(painter);
}

void ClientArea::resizeEvent(QResizeEvent*) {
    zoom_.setClientSize(width(), height());
    applyZoom();
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    if (event->button() == Qt::LeftButton)
        eventQueue().post({EventType::LeftDown, p.x(), p.y()});
    else if (event->button() == Qt::RightButton)
        eventQueue().post({EventType::RightDown, p.x(), p.y()});
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    if (event->button() == Qt::LeftButton)
        eventQueue().post({EventType::LeftUp, p.x(), p.y()});
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = tumbledown::screen().toImage(event->position());
    eventQueue().post({EventType::MouseMove, p.x(), p.y()});
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
    if (zoomKey(*event) || navigationKey(*event))
        return;
    const QString text = event->text();
    // Alt and Ctrl combinations belong to the menus, not to the board.
    const bool command = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (command || text.isEmpty() || text[0].unicode() > 0xFF) {
        QWidget::keyPressEvent(event);
        return;
    }
    InputEvent key{EventType::Char};
    key.ch = static_cast<char>(text[0].unicode());
    eventQueue().post(key);
}

} // namespace tumbledown

namespace tumbledown {

void ClientArea::showFocusOf(InputRouter& router) {
    router_ = &router;
    exposeBoard(*this);
    router.setFocusObserver([this] {
        update();
        boardChanged(*this);
    });
}

bool ClientArea::navigationKey(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    InputEvent navigate{EventType::Navigate};
    switch (event.key()) {
    case Qt::Key_Tab:
        navigate.key = shift ? NavKey::Backtab : NavKey::Tab;
        break;
    case Qt::Key_Backtab:
        navigate.key = NavKey::Backtab;
        break;
    case Qt::Key_Left:
        navigate.key = NavKey::Left;
        break;
    case Qt::Key_Right:
        navigate.key = NavKey::Right;
        break;
    case Qt::Key_Up:
        navigate.key = NavKey::Up;
        break;
    case Qt::Key_Down:
        navigate.key = NavKey::Down;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        navigate.key = shift ? NavKey::ShiftReturn : NavKey::Return;
        break;
    default:
        return false;
    }
    eventQueue().post(navigate);
    return true;
}

void ClientArea::paintFocusRing(QPainter& painter) const {
    if (!router_)
        return;
    const std::vector<Spot> spots = router_->spots();
    const Spot* spot = router_->focused(spots);
    if (!spot)
        return;
    // The spot reaches one pixel past its area's width and height; the ring
    // goes round that, a light line between two dark ones so that it stands
    // out on every board. Its lines grow with the zoom as the board does (the
    // painter already widens them by the pixel ratio), so that it stays as
    // plain beside an enlarged board as at 1x.
    const int z = tumbledown::screen().zoom();
    const QRect around((boardOrigin.x + spot->area.x) * z, (boardOrigin.y + spot->area.y) * z,
                       (spot->area.width + 1) * z, (spot->area.height + 1) * z);
    const QRect ring = around.adjusted(-3 * z, -3 * z, 2 * z, 2 * z);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(20, 20, 20), 4 * z));
    painter.drawRect(ring);
    painter.setPen(QPen(QColor(255, 240, 120), 2 * z));
    painter.drawRect(ring);
}

} // namespace tumbledown
