// Form2: the picture it shows, where it opens, and how it closes.
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "dialogs/dialogs_fixture.h"
#include "dialogs/stretched_image.h"

namespace dialogs_test {
namespace {

// Left half red, right half blue, twice as wide as high.
QImage TwoColourPicture() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 20, 20, Qt::red);
    return image;
}

QImage SolidPicture(Qt::GlobalColor colour) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor PixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

dialogs::StretchedImage* Image1(const QWidget* view) {
    return testsupport::Part<dialogs::StretchedImage>(view, "Image1");
}
QPushButton* OK(const QWidget* view) { return testsupport::Part<QPushButton>(view, "cmdPic"); }
mainwindow::PictureView* OpenView() { return testsupport::OpenWindow<mainwindow::PictureView>(); }

using PictureViewTest = DialogsTest;

TEST_F(PictureViewTest, BeforeAnyPictureTheSquareIsEmpty) {
    auto* view = ShowView(QImage());
    EXPECT_TRUE(Image1(view)->Picture().isNull());
    EXPECT_TRUE(OK(view)->isVisible());
    EXPECT_EQ(OK(view)->text(), "OK");
    // Nothing is drawn over the window's background.
    EXPECT_EQ(PixelOf(Image1(view), 96, 96), view->palette().color(QPalette::Window));
}

TEST_F(PictureViewTest, PictureIsStretchedOverTheWholeSquare) {
    auto* view = ShowView(TwoColourPicture());
    auto* image = Image1(view);
    EXPECT_EQ(image->geometry(), QRect(8, 8, 193, 193));
    EXPECT_EQ(PixelOf(image, 2, 2), QColor(Qt::red));
    EXPECT_EQ(PixelOf(image, 2, 190), QColor(Qt::red));
    EXPECT_EQ(PixelOf(image, 190, 2), QColor(Qt::blue));
    EXPECT_EQ(PixelOf(image, 190, 190), QColor(Qt::blue));
}

TEST_F(PictureViewTest, DrawnAtDevicePixelsOnHiDpi) {
    // One-pixel stripes at twice the widget's size survive only if the
    // picture is scaled straight to device pixels.
    dialogs::StretchedImage image;
    image.resize(50, 50);
    QImage stripes(100, 100, QImage::Format_RGB32);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y) stripes.setPixel(x, y, x % 2 ? 0xffffffff : 0xff000000);
    image.SetPicture(stripes);

    QImage target(100, 100, QImage::Format_RGB32);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::gray);
    image.render(&target);
    EXPECT_EQ(target.pixelColor(10, 50), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(11, 50), QColor(Qt::white));
}

TEST_F(PictureViewTest, OpensCentredWhereverItWasBefore) {
    auto* view = ShowView(QImage());
    const QRect screen = view->screen()->geometry();
    EXPECT_LE((view->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    view->move(0, 0);
    OK(view)->click();
    Settle();
    view = ShowView(QImage());
    EXPECT_LE((view->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(PictureViewTest, OneInstanceKeepsItsPictureUntilReopened) {
    QImage picture1 = SolidPicture(Qt::red);
    auto* view = ShowView(picture1);
    // The main window's picture changes in place, then a new one is shown.
    picture1.fill(Qt::green);
    EXPECT_EQ(ShowView(picture1), view);
    EXPECT_EQ(ShowView(SolidPicture(Qt::blue)), view);
    EXPECT_EQ(PixelOf(Image1(view), 96, 96), QColor(Qt::red));

    OK(view)->click();
    Settle();
    ASSERT_EQ(OpenView(), nullptr);
    view = ShowView(SolidPicture(Qt::blue));
    EXPECT_EQ(PixelOf(Image1(view), 96, 96), QColor(Qt::blue));
}

TEST_F(PictureViewTest, EnterAndEscCloseIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto* view = ShowView(QImage());
        Activate(view);
        QTest::keyClick(view->focusWidget() ? view->focusWidget() : view, key);
        Settle();
        EXPECT_EQ(OpenView(), nullptr) << key;
    }
}

TEST_F(PictureViewTest, DesignedAsAFixedDialog) {
    auto* view = ShowView(QImage());
    EXPECT_EQ(view->size(), QSize(209, 238));
    EXPECT_EQ(view->minimumSize(), view->maximumSize());
    EXPECT_EQ(view->windowTitle(), "ペルノカ Ver.0.2");
    EXPECT_EQ(OK(view)->geometry(), QRect(64, 208, 73, 25));
    EXPECT_TRUE(OK(view)->isDefault());
}

}  // namespace
}  // namespace dialogs_test
