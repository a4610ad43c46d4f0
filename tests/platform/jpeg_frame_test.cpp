#include "platform/jpeg_frame.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "platform/jpeg_fixtures.h"
#include "platform/picture_fixtures.h"

namespace {

std::optional<platform::JpegFrame> Read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return platform::ReadJpegFrame(buffer);
}

QImage Colour(int width, int height) { return testsupport::TwoColour(width, height, Qt::red, Qt::blue); }

TEST(JpegFrame, ASequentialColourPhotoIsOneScan) {
    // Each Qt chooses its own chroma subsampling: the frame says 4:2:2 here.
    const auto frame = Read(testsupport::WithSampling(testsupport::Encode(Colour(40, 30), "JPEG"), {0x21, 0x11, 0x11}));
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->width, 40);
    EXPECT_EQ(frame->height, 30);
    ASSERT_EQ(frame->components.size(), 3u);
    EXPECT_EQ(frame->components[0].h, 2);
    EXPECT_EQ(frame->components[0].v, 1);
    EXPECT_EQ(frame->components[1].h, 1);
    EXPECT_EQ(frame->components[1].v, 1);
    EXPECT_FALSE(frame->progressive);
    EXPECT_FALSE(frame->multiScan);
}

TEST(JpegFrame, AProgressivePhotoIsMultiScan) {
    const auto frame = Read(testsupport::EncodeProgressive(Colour(40, 30)));
    ASSERT_TRUE(frame.has_value());
    EXPECT_TRUE(frame->progressive);
    EXPECT_TRUE(frame->multiScan);
}

TEST(JpegFrame, ASequentialFileWithAScanForEachComponentIsMultiScan) {
    const auto frame = Read(testsupport::FlatColourJpeg(16, 16, {76, 85, 255}, false, /*oneScanEach=*/true));
    ASSERT_TRUE(frame.has_value());
    EXPECT_FALSE(frame->progressive);
    EXPECT_TRUE(frame->multiScan);
}

TEST(JpegFrame, TellsTheClaimedSizeOfAFrameWithoutData) {
    const auto frame = Read(testsupport::WithFrameSize(testsupport::EncodeProgressive(Colour(16, 16)), 40000, 30000));
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->width, 40000);
    EXPECT_EQ(frame->height, 30000);
}

TEST(JpegFrame, SkipsStrayAndFillBytesBetweenSegments) {
    QByteArray bytes = testsupport::FlatColourJpeg(16, 8, {128}, false);
    const int quantisation = bytes.indexOf("\xFF\xDB");
    bytes.insert(quantisation, QByteArray("junk\xFF\x00more\xFF\xFF\xFF", 13));
    const auto frame = Read(bytes);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->width, 16);
}

TEST(JpegFrame, RefusesWhatIsNoJpegUpToItsFirstScan) {
    const QByteArray whole = testsupport::Encode(Colour(16, 16), "JPEG");
    const int scan = whole.indexOf("\xFF\xDA");
    EXPECT_FALSE(Read(QByteArray("GIF89a")).has_value());
    EXPECT_FALSE(Read(whole.left(scan)).has_value());                 // ends before the scan
    EXPECT_FALSE(Read(whole.left(scan) + "\xFF\xD9").has_value());    // ends with no scan
    EXPECT_FALSE(Read(whole.left(2) + whole.mid(scan)).has_value());  // a scan before any frame
    const int frameAt = whole.indexOf("\xFF\xC0");
    EXPECT_FALSE(Read(whole.left(scan) + whole.mid(frameAt)).has_value());  // two frames
}

TEST(JpegFrame, StopsReadingHeadersPastTheLimit) {
    // Comment segments of 64 KB each until the limit is passed, then a frame.
    QByteArray bytes("\xFF\xD8", 2);
    const QByteArray comment = QByteArray("\xFF\xFE\xFF\xFF", 4) + QByteArray(0xFFFF - 2, 'c');
    while (bytes.size() <= platform::kMaxJpegHeaderBytes) bytes += comment;
    const QByteArray small = testsupport::Encode(Colour(16, 16), "JPEG");
    EXPECT_FALSE(Read(bytes + small.mid(2)).has_value());
    EXPECT_TRUE(Read(small.left(2) + comment + small.mid(2)).has_value());
}

TEST(JpegFrame, CoefficientsFillWholeSamplingUnits) {
    platform::JpegFrame grey{40000, 40000, {{1, 1}}, true, true};
    EXPECT_EQ(platform::CoefficientBytes(grey), qint64{5000} * 5000 * 128);
    // 4:2:0 at 17 × 17: luma 3 × 3 blocks rounded up to 4 × 4, chroma 2 × 2.
    platform::JpegFrame colour{17, 17, {{2, 2}, {1, 1}, {1, 1}}, true, true};
    EXPECT_EQ(platform::CoefficientBytes(colour), (16 + 4 + 4) * 128);
}

}  // namespace
