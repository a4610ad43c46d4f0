#pragma once
// An image control that stretches its picture over its whole rectangle,
// proportions not kept. The picture is scaled once per size and device pixel
// ratio, straight to device pixels, so it stays sharp on HiDPI screens.
#include <QImage>
#include <QWidget>

namespace dialogs {

class StretchedImage : public QWidget {
    Q_OBJECT

public:
    explicit StretchedImage(QWidget* parent = nullptr);

    // A null picture leaves the rectangle empty.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QImage scaled_;  // picture_ at the size last painted, in device pixels
};

}  // namespace dialogs
