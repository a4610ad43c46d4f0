#include "platform/picture_piece.h"

#include <gtest/gtest.h>

#include "platform/bmp_fixtures.h"

namespace {

using testsupport::kBandColours;

TEST(CutPiece, APieceWithinTheLimitIsTheSourceRectangleAsItIs) {
    QImage picture(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) picture.setPixel(x, y, qRgb(x * 8, y * 12, 0));
    const QImage piece = platform::CutPiece(picture, QRect(10, 5, 10, 7), QSize(100, 100));
    ASSERT_EQ(piece.size(), QSize(10, 7));
    EXPECT_EQ(piece.pixel(0, 0), picture.pixel(10, 5));
    EXPECT_EQ(piece.pixel(9, 6), picture.pixel(19, 11));
}

// Two bands, in any format: a 1-bit one is set pixel by pixel, as Qt's
// conversion to it dithers.
QImage TwoBands(QImage::Format format) {
    const QImage bands = testsupport::Bands(8, 4000, 2);
    if (format != QImage::Format_Mono) return bands.convertToFormat(format);
    QImage mono(bands.size(), QImage::Format_Mono);
    mono.setColorTable(bands.colorTable());
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) mono.setPixel(x, y, bands.pixelIndex(x, y));
    return mono;
}

TEST(CutPiece, ALargerPieceIsShrunkToTheLimitSideBySide) {
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_Indexed8, QImage::Format_Mono}) {
        SCOPED_TRACE(format);
        const QImage picture = TwoBands(format);
        const QImage piece = platform::CutPiece(picture, QRect(2, 0, 4, 4000), QSize(10, 50));
        ASSERT_EQ(piece.size(), QSize(4, 50));  // narrow enough already; only the height shrinks
        EXPECT_EQ(QColor(piece.pixel(1, 0)), QColor(kBandColours[0]));
        EXPECT_EQ(QColor(piece.pixel(1, 49)), QColor(kBandColours[1]));
    }
}

TEST(CutPiece, StaysInsideThePictureAndNeverEmpty) {
    QImage picture(5, 5, QImage::Format_RGB32);
    picture.fill(Qt::green);
    EXPECT_EQ(platform::CutPiece(picture, QRect(4, 4, 2, 2), QSize(9, 9)).size(), QSize(1, 1));
    EXPECT_EQ(platform::CutPiece(picture, QRect(7, 2, 0, 0), QSize(9, 9)).size(), QSize(1, 1));
    EXPECT_EQ(platform::CutPiece(picture, QRect(-3, -3, 1, 1), QSize(0, 0)).size(), QSize(1, 1));
    EXPECT_TRUE(platform::CutPiece(QImage(), QRect(0, 0, 3, 3), QSize(9, 9)).isNull());
}

}  // namespace
