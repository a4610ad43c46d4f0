#include "platform/picture_loader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "mainwindow/board_size.h"
#include "platform/picture_fixtures.h"

namespace {

constexpr QSize kBoard = mainwindow::kBoardSize;

using testsupport::Encode;
using testsupport::Near;
using testsupport::TwoColour;
using testsupport::WriteBytes;

class LoadPictureTest : public testing::Test {
protected:
    std::string Put(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path.toStdString();
    }
    QTemporaryDir folder_;
};

TEST_F(LoadPictureTest, AnEmptyPathGivesAnEmptyPicture) {
    const auto picture = platform::LoadPicture("", kBoard);
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->isNull());
}

TEST_F(LoadPictureTest, ReadsBitmapsJpegsAndPngs) {
    const QImage source = TwoColour(40, 30, Qt::red, Qt::blue);
    for (const char* format : {"BMP", "JPEG", "PNG"}) {
        SCOPED_TRACE(format);
        const auto picture =
            platform::LoadPicture(Put(QStringLiteral("p.%1").arg(format), Encode(source, format)), kBoard);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size(), QSize(40, 30));
        EXPECT_TRUE(Near(picture->pixelColor(5, 15), Qt::red));
        EXPECT_TRUE(Near(picture->pixelColor(35, 15), Qt::blue));
    }
}

TEST_F(LoadPictureTest, TakesTheFirstFrameOfAnAnimatedGif) {
    const std::vector<uint8_t> green(16 * 12, 1), white(16 * 12, 2);
    const auto picture = platform::LoadPicture(
        Put("anim.gif",
            testsupport::Gif(16, 12, {qRgb(0, 0, 0), qRgb(0, 200, 0), qRgb(255, 255, 255)}, {green, white})),
        kBoard);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(16, 12));
    EXPECT_EQ(picture->pixelColor(8, 6), QColor(0, 200, 0));
}

TEST_F(LoadPictureTest, GoesByTheContentNotTheName) {
    const QImage source = TwoColour(20, 20, Qt::red, Qt::blue);
    EXPECT_TRUE(platform::LoadPicture(Put("really-a-bitmap.jpg", Encode(source, "BMP")), kBoard).has_value());
    EXPECT_TRUE(platform::LoadPicture(Put("really-a-png.jpg", Encode(source, "PNG")), kBoard).has_value());
    // Only the four types the dialog offers, though Qt reads more.
    EXPECT_FALSE(platform::LoadPicture(Put("really-a-pixmap.png", Encode(source, "PPM")), kBoard).has_value());
    EXPECT_FALSE(platform::LoadPicture(Put("notes.gif", "just some words, not a picture"), kBoard).has_value());
}

TEST_F(LoadPictureTest, FindsFilesWhoseNamesHaveSpacesAndJapanese) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("夏の 写真")));
    const std::string path =
        Put(QStringLiteral("夏の 写真/ねまき ＃2 (1).jpg"), Encode(TwoColour(8, 8, Qt::red, Qt::red), "JPEG"));
    const auto picture = platform::LoadPicture(path, kBoard);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(8, 8));
}

// Red on the stored left, blue on the stored right; where the red ends up
// shows how the picture was turned.
struct Turn {
    int orientation;
    QSize size;
    QPoint red, blue;
};

void PrintTo(const Turn& turn, std::ostream* out) { *out << "orientation " << turn.orientation; }

class ExifOrientation : public LoadPictureTest, public testing::WithParamInterface<Turn> {};

TEST_P(ExifOrientation, TurnsThePictureUpright) {
    const Turn turn = GetParam();
    const QByteArray jpeg = Encode(TwoColour(40, 20, Qt::red, Qt::blue), "JPEG");
    const auto picture =
        platform::LoadPicture(Put("turned.jpg", testsupport::WithExifOrientation(jpeg, turn.orientation)), kBoard);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), turn.size);
    EXPECT_TRUE(Near(picture->pixelColor(turn.red), Qt::red));
    EXPECT_TRUE(Near(picture->pixelColor(turn.blue), Qt::blue));
}

INSTANTIATE_TEST_SUITE_P(LoadPicture, ExifOrientation,
                         testing::Values(Turn{1, {40, 20}, {5, 10}, {35, 10}},   // as stored
                                         Turn{3, {40, 20}, {35, 10}, {5, 10}},   // half a turn
                                         Turn{6, {20, 40}, {10, 5}, {10, 35}},   // a quarter clockwise
                                         Turn{8, {20, 40}, {10, 35}, {10, 5}}),  // a quarter anticlockwise
                         [](const auto& info) { return "Orientation" + std::to_string(info.param.orientation); });

TEST(MinimumDecodeSize, IsAtLeastTwiceTheBoard) {
    const QSize minimum = platform::MinimumDecodeSize(kBoard);
    EXPECT_GE(minimum.width(), 2 * kBoard.width());
    EXPECT_GE(minimum.height(), 2 * kBoard.height());
}

// The picture is stretched over the board whatever its shape, so both sides
// must reach the minimum; the shape is kept to within rounding.
void ExpectReducedFrom(const QImage& picture, QSize shown) {
    const QSize minimum = platform::MinimumDecodeSize(kBoard);
    EXPECT_GE(picture.width(), minimum.width());
    EXPECT_GE(picture.height(), minimum.height());
    EXPECT_TRUE(picture.width() == minimum.width() || picture.height() == minimum.height())
        << picture.width() << "x" << picture.height();
    EXPECT_NEAR(double(picture.width()) / picture.height(), double(shown.width()) / shown.height(), 0.01);
}

TEST_F(LoadPictureTest, ReducesLargePicturesOfEveryType) {
    const QImage source = TwoColour(2400, 1000, Qt::red, Qt::blue);
    for (const char* format : {"JPEG", "BMP", "PNG"}) {
        SCOPED_TRACE(format);
        const auto picture =
            platform::LoadPicture(Put(QStringLiteral("large.%1").arg(format), Encode(source, format)), kBoard);
        ASSERT_TRUE(picture.has_value());
        ExpectReducedFrom(*picture, source.size());
        EXPECT_TRUE(Near(picture->pixelColor(10, picture->height() / 2), Qt::red));
    }
}

TEST_F(LoadPictureTest, ReducesATurnedPhotoByItsUprightShape) {
    // Stored wide, shown tall: reduced by the stored shape it would come out
    // narrower than the minimum once turned.
    const QByteArray jpeg = Encode(TwoColour(2400, 800, Qt::red, Qt::blue), "JPEG");
    const auto picture = platform::LoadPicture(Put("tall.jpg", testsupport::WithExifOrientation(jpeg, 6)), kBoard);
    ASSERT_TRUE(picture.has_value());
    ExpectReducedFrom(*picture, QSize(800, 2400));
    EXPECT_TRUE(Near(picture->pixelColor(picture->width() / 2, 10), Qt::red));
}

TEST_F(LoadPictureTest, KeepsPicturesThatAreSmallOnOneSideAtTheirSize) {
    const QSize minimum = platform::MinimumDecodeSize(kBoard);
    for (const QSize size : {QSize(300, 200), QSize(minimum.width() - 1, 3000), QSize(3000, minimum.height())}) {
        const auto picture = platform::LoadPicture(
            Put("small.bmp", Encode(TwoColour(size.width(), size.height(), Qt::red, Qt::blue), "BMP")), kBoard);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->size(), size);
    }
}

}  // namespace
