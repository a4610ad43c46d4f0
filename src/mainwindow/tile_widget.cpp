// A tile: its piece rendered once per size, its press and its name.
#include "mainwindow/tile_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "mainwindow/board_accessibility.h"

namespace mainwindow {

TileWidget::TileWidget(int16_t index, QWidget* parent) : QWidget(parent), index_(index) {
    // Not declared opaque, though it covers itself: Qt moves an opaque
    // widget by copying its pixels within the window's buffer, and Qt's
    // Wayland buffers (6.4 at least) copy from a buffer that may not hold
    // the last frame, which left stale pieces on the board after a move or
    // a new game. A moved tile is drawn again instead.
    setAutoFillBackground(false);
    InstallBoardAccessibility();
}

void TileWidget::Press() { emit pressed(index_); }

void TileWidget::SetCell(engine::Cell cell) {
    const QString name = TileName(index_, cell);
    if (name != accessibleName()) setAccessibleName(name);
}

void TileWidget::SetPiece(QImage piece) {
    piece_ = std::move(piece);
    rendered_ = QPixmap();
    RenderIfStale();
    update();
}

// The device pixels the tile covers in its window: its edges rounded one by
// one, so that tiles sharing an edge share it in device pixels too at any
// scale, with nothing of the board showing through between them.
QRect TileWidget::DeviceRect() const {
    const qreal dpr = devicePixelRatioF();
    const QRect inWindow(mapTo(window(), QPoint(0, 0)), size());
    const auto device = [dpr](int logical) { return static_cast<int>(std::lround(logical * dpr)); };
    return QRect(
        QPoint(device(inWindow.left()), device(inWindow.top())),
        QPoint(device(inWindow.left() + inWindow.width()) - 1, device(inWindow.top() + inWindow.height()) - 1));
}

void TileWidget::RenderIfStale() {
    // Cells differ by a pixel where twips don't divide evenly, and a tile may
    // move between them, so the piece is scaled again only for a new size.
    const qreal dpr = devicePixelRatioF();
    const QSize device = DeviceRect().size();
    if (!rendered_.isNull() && rendered_.size() == device && rendered_.devicePixelRatio() == dpr) return;
    if (piece_.isNull() || device.isEmpty()) {
        rendered_ = QPixmap();
        return;
    }
    QImage scaled = piece_.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    rendered_ = QPixmap::fromImage(std::move(scaled));
    rendered_.setDevicePixelRatio(dpr);
}

void TileWidget::paintEvent(QPaintEvent*) {
    RenderIfStale();
    QPainter painter(this);
    if (rendered_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // Placed by device pixels: the tile's own origin may fall between two.
    const QPointF origin =
        QPointF(DeviceRect().topLeft()) / devicePixelRatioF() - QPointF(mapTo(window(), QPoint(0, 0)));
    painter.drawPixmap(origin, rendered_);
}

void TileWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Press();
}

}  // namespace mainwindow
