#pragma once
// One board tile: its piece of the picture, drawn once, and the mouse press.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace mainwindow {

class TileWidget final : public QWidget {
public:
    using PressHandler = std::function<void(int16_t index)>;

    TileWidget(int16_t index, QWidget* parent, PressHandler onPress);

    int16_t Index() const { return index_; }
    // Keeps the piece and renders it at the tile's size and pixel ratio.
    void SetPiece(QImage piece);
    const QImage& Piece() const { return piece_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void RenderIfStale();

    int16_t index_;
    PressHandler onPress_;
    QImage piece_;
    QPixmap rendered_;
};

}  // namespace mainwindow
