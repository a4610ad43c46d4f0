#pragma once
// One board tile: its piece of the picture, drawn once, and the press that
// slides it, with a name a screen reader can speak.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

#include "engine/board_geometry.h"

namespace mainwindow {

class TileWidget final : public QWidget {
    Q_OBJECT

public:
    TileWidget(int16_t index, QWidget* parent);

    int16_t Index() const { return index_; }
    // Keeps the piece and renders it at the tile's size and pixel ratio.
    void SetPiece(QImage piece);
    const QImage& Piece() const { return piece_; }

    // What a press on the tile does, whoever presses it: the mouse, an arrow
    // key beside the gap, or a screen reader.
    Q_INVOKABLE void Press();

    // The cell the tile stands in now, which its accessible name tells.
    void SetCell(engine::Cell cell);

signals:
    void pressed(int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect DeviceRect() const;
    void RenderIfStale();

    int16_t index_;
    QImage piece_;
    QPixmap rendered_;
};

}  // namespace mainwindow
