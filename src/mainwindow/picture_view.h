#pragma once
// Form2: the whole chosen picture, stretched into a square, in a small
// modeless window with an "OK" button. The main window keeps the one
// instance. Its controls carry their design names as object names (Image1,
// cmdPic).
#include <QDialog>
#include <QImage>

class QPushButton;

namespace dialogs {
class StretchedImage;
}

namespace mainwindow {

class PictureView : public QDialog {
public:
    // owner, the main window, keeps the window above it (transient for
    // it) without blocking it; none in a window of its own.
    explicit PictureView(QWidget* owner = nullptr);

    // The "表示" command: loads the window with picture1 if it is not open,
    // otherwise only brings it forward, keeping the picture it was loaded
    // with.
    void Open(const QImage& picture1);

    // Takes the picture as it is now and centres the window on the screen.
    void Form_Load(const QImage& picture1);
    void cmdPic_Click();

private:
    dialogs::StretchedImage* Image1_;
    QPushButton* cmdPic_;
};

}  // namespace mainwindow
