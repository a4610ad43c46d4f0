// Checks that the hand-written file encoders produce files Qt's own readers
// accept, with the exact layouts the program relies on.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>

#include "bmp8_writer.h"
#include "ico_writer.h"
#include "median_cut.h"

namespace {

quint32 u32(const QByteArray& b, int at) {
    return quint32(uchar(b[at])) | quint32(uchar(b[at + 1])) << 8 | quint32(uchar(b[at + 2])) << 16 |
           quint32(uchar(b[at + 3])) << 24;
}
quint16 u16(const QByteArray& b, int at) { return quint16(uchar(b[at]) | uchar(b[at + 1]) << 8); }

QImage decode(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return reader.read();
}

QImage fourColourPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(192, 192, 192), qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(20, 200, 40)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, colours[(x / 10 + y / 7) % 4]);
    return img;
}

TEST(Bmp8Writer, LogoSizedFrameHasTheExactLayoutAndReadsBackUnchanged) {
    const QImage picture = fourColourPicture(200, 100);
    const QImage indexed = assets::toIndexed8(picture, {qRgb(192, 192, 192)});
    const QByteArray bmp = assets::encodeBmp8(indexed);

    ASSERT_EQ(bmp.size(), 21078);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(bmp, 2), 21078u);
    EXPECT_EQ(u32(bmp, 10), 1078u);  // pixels after both headers and the palette
    EXPECT_EQ(u32(bmp, 14), 40u);
    EXPECT_EQ(int(u32(bmp, 18)), 200);
    EXPECT_EQ(int(u32(bmp, 22)), 100);  // positive: bottom-up
    EXPECT_EQ(u16(bmp, 28), 8);
    EXPECT_EQ(u32(bmp, 30), 0u);  // BI_RGB
    // The first stored row is the bottom one.
    EXPECT_EQ(uchar(bmp[1078]), indexed.pixelIndex(0, 99));
    EXPECT_EQ(uchar(bmp[1078 + 99 * 200]), indexed.pixelIndex(0, 0));

    const QImage back = decode(bmp, "bmp");
    ASSERT_EQ(back.size(), QSize(200, 100));
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 200; x += 3)
            ASSERT_EQ(back.pixel(x, y) | 0xff000000u, picture.pixel(x, y) | 0xff000000u) << x << "," << y;
}

TEST(Bmp8Writer, PadsRowsWhoseWidthIsNotAMultipleOfFour) {
    const QImage indexed = assets::toIndexed8(fourColourPicture(30, 5));
    const QByteArray bmp = assets::encodeBmp8(indexed);
    EXPECT_EQ(bmp.size(), 1078 + 32 * 5);
    EXPECT_EQ(decode(bmp, "bmp").size(), QSize(30, 5));
}

TEST(Bmp8Writer, RefusesImagesThatAreNotIndexed) {
    EXPECT_TRUE(assets::encodeBmp8(fourColourPicture(8, 8)).isEmpty());
    EXPECT_TRUE(assets::encodeBmp8(QImage()).isEmpty());
}

TEST(MedianCut, FixedColoursComeFirstAndFewColoursSurviveExactly) {
    QHash<QRgb, int> histogram{{qRgb(1, 2, 3), 5}, {qRgb(200, 10, 10), 50}, {qRgb(192, 192, 192), 900}};
    const QList<QRgb> palette = assets::medianCutPalette(histogram, 16, {qRgb(192, 192, 192)});
    ASSERT_EQ(palette.size(), 3);
    EXPECT_EQ(palette[0], qRgb(192, 192, 192));
    EXPECT_TRUE(palette.contains(qRgb(1, 2, 3)));
    EXPECT_TRUE(palette.contains(qRgb(200, 10, 10)));
}

TEST(MedianCut, ManyColoursAreReducedToTheLimitAndSpanTheRange) {
    QHash<QRgb, int> histogram;
    for (int v = 0; v < 256; ++v) histogram[qRgb(v, v, v)] = 1;
    const QList<QRgb> palette = assets::medianCutPalette(histogram, 8);
    ASSERT_EQ(palette.size(), 8);
    EXPECT_LT(qRed(palette[assets::nearestIndex(palette, qRgb(0, 0, 0))]), 24);
    EXPECT_GT(qRed(palette[assets::nearestIndex(palette, qRgb(255, 255, 255))]), 232);
}

TEST(IcoWriter, SixteenColourIconLoadsWithItsMask) {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x) icon.setPixel(x, y, x < 16 ? qRgb(250, 200, 40) : qRgb(30, 40, 120));
    const QByteArray ico = assets::encodeIco4(icon);

    ASSERT_EQ(ico.size(), 6 + 16 + 40 + 16 * 4 + 32 * 16 + 32 * 4);
    EXPECT_EQ(u16(ico, 2), 1);  // icon, not cursor
    EXPECT_EQ(u16(ico, 4), 1);
    EXPECT_EQ(uchar(ico[6]), 32);
    EXPECT_EQ(uchar(ico[8]), 16);
    EXPECT_EQ(u16(ico, 12), 4);
    EXPECT_EQ(int(u32(ico, 22 + 8)), 64);  // image and mask stacked

    const QImage back = decode(ico, "ico");
    ASSERT_EQ(back.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(back.pixel(31, 31)), 0);
    EXPECT_EQ(back.pixel(8, 5) | 0xff000000u, qRgb(250, 200, 40));
    EXPECT_EQ(back.pixel(20, 26) | 0xff000000u, qRgb(30, 40, 120));
}

TEST(IcoWriter, RefusesImagesTooLargeForTheFormat) {
    EXPECT_TRUE(assets::encodeIco4(QImage(300, 300, QImage::Format_ARGB32)).isEmpty());
    EXPECT_TRUE(assets::encodeIco4(QImage()).isEmpty());
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
