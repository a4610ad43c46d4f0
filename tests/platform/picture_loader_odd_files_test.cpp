// Valid files that other programs write and QImage::save never does: each
// must load, upright and in its colours.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "mainwindow/board_size.h"
#include "platform/bmp_fixtures.h"
#include "platform/jpeg_fixtures.h"
#include "platform/picture_fixtures.h"
#include "platform/picture_loader.h"

namespace {

constexpr QSize kBoard = mainwindow::kBoardSize;

using testsupport::Bands;
using testsupport::BmpLayout;
using testsupport::kBandColours;

class OddFiles : public testing::Test {
protected:
    std::optional<QImage> Load(const QByteArray& bytes) {
        const QString path = folder_.filePath("odd");
        EXPECT_TRUE(testsupport::WriteBytes(path, bytes));
        return platform::LoadPicture(path.toStdString(), kBoard);
    }
    QTemporaryDir folder_;
};

// The middle of each band has its colour, from the top down.
void ExpectBands(const QImage& picture, int bands) {
    for (int band = 0; band < bands; ++band) {
        const int y = (2 * band + 1) * picture.height() / (2 * bands);
        EXPECT_EQ(QColor(picture.pixel(picture.width() / 2, y)), QColor(kBandColours[band])) << "band " << band;
    }
}

struct BmpCase {
    const char* name;
    BmpLayout layout;
};

void PrintTo(const BmpCase& bmp, std::ostream* out) { *out << bmp.name; }

class OddBitmaps : public OddFiles, public testing::WithParamInterface<BmpCase> {};

TEST_P(OddBitmaps, LoadUpright) {
    const BmpLayout layout = GetParam().layout;
    const int bands = layout.bits == 1 ? 2 : 4;
    QImage bands40 = Bands(40, 24, bands);
    const auto picture =
        Load(testsupport::Bmp(layout.bits == 24 ? bands40.convertToFormat(QImage::Format_RGB32) : bands40, layout));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(40, 24));
    ExpectBands(*picture, bands);
    // The tiles and the picture view stretch it smoothly; Qt scales a 1-bit
    // picture that way to black.
    ExpectBands(picture->scaled(20, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), bands);
}

INSTANTIATE_TEST_SUITE_P(LoadPicture, OddBitmaps,
                         testing::Values(BmpCase{"TopDown24", {24, true, false}}, BmpCase{"TopDown8", {8, true, false}},
                                         BmpCase{"OneBit", {1, false, false}}, BmpCase{"FourBit", {4, false, false}},
                                         BmpCase{"EightBit", {8, false, false}}, BmpCase{"Rle8", {8, false, true}},
                                         BmpCase{"Rle4", {4, false, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OddFiles, ALargeTopDownBitmapIsReducedLikeAnyOther) {
    const auto picture = Load(testsupport::Bmp(Bands(2000, 1600).convertToFormat(QImage::Format_RGB32), {24, true}));
    ASSERT_TRUE(picture.has_value());
    const QSize minimum = platform::MinimumDecodeSize(kBoard);
    EXPECT_LT(picture->width(), 2000);
    EXPECT_GE(picture->width(), minimum.width());
    EXPECT_GE(picture->height(), minimum.height());
    ExpectBands(*picture, 4);
}

TEST_F(OddFiles, ALargeOneBitBitmapIsReducedInItsColours) {
    const auto picture = Load(testsupport::Bmp(Bands(2000, 1600, 2), {1}));
    ASSERT_TRUE(picture.has_value());
    EXPECT_LT(picture->width(), 2000);
    ExpectBands(*picture, 2);
}

TEST_F(OddFiles, AnInterlacedGifLoadsItsRowsInPlace) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < 24; ++y) pixels.insert(pixels.end(), 40, uint8_t(y * 4 / 24));
    const std::vector<QRgb> palette(kBandColours.begin(), kBandColours.end());
    const auto picture = Load(testsupport::Gif(40, 24, palette, {pixels}, /*interlaced=*/true));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(40, 24));
    for (int y = 0; y < 24; ++y) EXPECT_EQ(QColor(picture->pixel(20, y)), QColor(kBandColours[y * 4 / 24])) << y;
}

TEST_F(OddFiles, ACmykJpegLoadsInItsColour) {
    // Stored as is, as Adobe's programs write it: inverted inks, so C = K =
    // 255 and M = Y = 0 is red.
    const auto picture = Load(testsupport::FlatColourJpeg(48, 32, {255, 0, 0, 255}, /*adobe=*/true));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(48, 32));
    EXPECT_TRUE(testsupport::Near(picture->pixelColor(24, 16), Qt::red, 8))
        << picture->pixelColor(24, 16).name().toStdString();
}

TEST_F(OddFiles, AGreyAndAOneScanPerComponentJpegLoad) {
    const auto grey = Load(testsupport::FlatColourJpeg(48, 32, {200}, false));
    ASSERT_TRUE(grey.has_value());
    EXPECT_TRUE(testsupport::Near(grey->pixelColor(24, 16), QColor(200, 200, 200), 4));
    // Y 76, Cb 85, Cr 255 is red in JPEG's YCbCr.
    const auto separate = Load(testsupport::FlatColourJpeg(48, 32, {76, 85, 255}, false, /*oneScanEach=*/true));
    ASSERT_TRUE(separate.has_value());
    EXPECT_TRUE(testsupport::Near(separate->pixelColor(24, 16), Qt::red, 8));
}

TEST_F(OddFiles, AProgressiveJpegLoads) {
    const auto picture = Load(testsupport::EncodeProgressive(testsupport::TwoColour(64, 48, Qt::red, Qt::blue)));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(64, 48));
    EXPECT_TRUE(testsupport::Near(picture->pixelColor(8, 24), Qt::red));
    EXPECT_TRUE(testsupport::Near(picture->pixelColor(56, 24), Qt::blue));
}

TEST_F(OddFiles, ANameThatIsNotUtf8IsOpenedByItsBytes) {
    // Old archives and other systems' disks hold such names; Qt cannot spell
    // them, so the file is made and named with the system's own calls.
    const std::string path = folder_.path().toStdString() + "/\xFF\xFE kuva.bmp";
    const QByteArray bytes = testsupport::Bmp(Bands(40, 24), {8});
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    close(fd);
    const auto picture = platform::LoadPicture(path, kBoard);
    ASSERT_TRUE(picture.has_value());
    ExpectBands(*picture, 4);
}

}  // namespace
