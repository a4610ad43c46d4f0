#pragma once
// Form2: the whole chosen picture, stretched into a square, in a small
// modeless window with an "OK" button. One instance at a time. Its controls
// carry their design names as object names (Image1, cmdPic).
#include <QDialog>
#include <QImage>

class QPushButton;

namespace dialogs {
class StretchedImage;
}

namespace mainwindow {

class PictureView : public QDialog {
public:
    explicit PictureView(const QImage& picture1);

    // Takes the picture as it is now and centres the window on the screen.
    void Form_Load(const QImage& picture1);
    void cmdPic_Click();

private:
    dialogs::StretchedImage* Image1_;
    QPushButton* cmdPic_;
};

// The "表示" command: loads Form2 with picture1 if it is not open, otherwise
// only brings it forward, keeping the picture it was loaded with.
PictureView* ShowPictureView(const QImage& picture1);

}  // namespace mainwindow
