// Files that are not the pictures they claim to be: each must give a failure
// the caller sees, or a picture, and never a crash, a hang or gigabytes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <random>

#include "mainwindow/board_size.h"
#include "platform/jpeg_fixtures.h"
#include "platform/picture_fixtures.h"
#include "platform/picture_loader.h"

namespace {

constexpr QSize kBoard = mainwindow::kBoardSize;

using testsupport::Encode;

class LoaderRobustness : public testing::Test {
protected:
    std::string Put(const QString& name, const QByteArray& bytes) {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(testsupport::WriteBytes(path, bytes));
        return path.toStdString();
    }
    std::string Path(const QString& name) const { return folder_.filePath(name).toStdString(); }
    QTemporaryDir folder_;
};

// A small picture with detail everywhere, in each of the four types.
QByteArray Sample(const QString& format, QSize size = QSize(64, 48)) {
    if (format == "gif") {
        std::vector<uint8_t> pixels;
        for (int i = 0; i < size.width() * size.height(); ++i) pixels.push_back(uint8_t(i * 7 % 128));
        std::vector<QRgb> palette;
        for (int i = 0; i < 128; ++i) palette.push_back(qRgb(i * 2, 255 - i * 2, i));
        return testsupport::Gif(size.width(), size.height(), palette, {pixels});
    }
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x * 4 % 256, y * 5 % 256, (x ^ y) % 256));
    return Encode(image, format == "bmp" ? "BMP" : format == "png" ? "PNG" : "JPEG");
}

void PatchLe32(QByteArray& bytes, int at, qint32 value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}
void PatchLe16(QByteArray& bytes, int at, int value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

const QStringList kFormats = {"bmp", "jpg", "gif", "png"};

TEST_F(LoaderRobustness, MissingAndEmptyFilesFail) {
    EXPECT_FALSE(platform::LoadPicture(Path("nowhere.jpg"), kBoard).has_value());
    for (const QString& format : kFormats)
        EXPECT_FALSE(platform::LoadPicture(Put("empty." + format, {}), kBoard).has_value());
}

TEST_F(LoaderRobustness, AFolderNamedLikeAPictureFails) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("album.jpg"));
    EXPECT_FALSE(platform::LoadPicture(Path("album.jpg"), kBoard).has_value());
}

TEST_F(LoaderRobustness, APipeNamedLikeAPictureFailsWithoutWaitingForAWriter) {
    const std::string fifo = Path("pipe.jpg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // No writer ever comes: a loader that waited for one would hang here
    // until the test's time limit. Opening the pipe without waiting, to see
    // what it is, is fine.
    EXPECT_FALSE(platform::LoadPicture(fifo, kBoard).has_value());
}

TEST_F(LoaderRobustness, TinyAndThinPicturesLoadAtTheirSize) {
    for (const QString& format : kFormats) {
        for (const QSize size : {QSize(1, 1), QSize(1, 4000), QSize(4000, 1)}) {
            SCOPED_TRACE(format.toStdString() + " " + std::to_string(size.width()) + "x" +
                         std::to_string(size.height()));
            const auto picture = platform::LoadPicture(Put("thin." + format, Sample(format, size)), kBoard);
            ASSERT_TRUE(picture.has_value());
            EXPECT_EQ(picture->size(), size);
        }
    }
}

TEST_F(LoaderRobustness, TruncatedFilesFailOrLoadWhatIsThere) {
    for (const QString& format : kFormats) {
        const QByteArray whole = Sample(format);
        for (const int length : {1, 6, 10, 20, 60, int(whole.size() / 2), int(whole.size() - 1)}) {
            SCOPED_TRACE(format.toStdString() + " cut to " + std::to_string(length));
            const auto picture = platform::LoadPicture(Put("cut." + format, whole.left(length)), kBoard);
            if (length <= 10) {
                EXPECT_FALSE(picture.has_value());  // not even a whole header
            }
            if (picture) {
                EXPECT_EQ(picture->size(), QSize(64, 48));
            }
        }
    }
}

TEST_F(LoaderRobustness, CorruptFilesNeverBreakTheLoader) {
    std::mt19937 random(2024);
    for (const QString& format : kFormats) {
        const QByteArray whole = Sample(format);
        for (int round = 0; round < 40; ++round) {
            QByteArray broken = whole;
            // Early rounds hit the header, later ones anywhere.
            const int span = round < 20 ? std::min<int>(64, int(broken.size())) : int(broken.size());
            for (int hits = 0; hits < 1 + round % 8; ++hits) broken[int(random() % span)] = char(random());
            const auto picture = platform::LoadPicture(Put("broken." + format, broken), kBoard);
            if (picture) {
                EXPECT_FALSE(picture->isNull());
                EXPECT_LE(qint64{picture->width()} * picture->height() * 4, platform::kMaxDecodeBytes);
            }
        }
    }
}

// Every kind of PNG loads, small at its size and large reduced, each
// brought to 8-bit RGBA its own way.
TEST_F(LoaderRobustness, PngsOfEveryKindLoad) {
    struct Kind {
        int bitDepth, colourType;
        bool interlaced, transparent = false;
    };
    const Kind kinds[] = {{8, 2, false},        {8, 6, false},  {8, 4, false},  {8, 0, false},
                          {1, 0, false},        {8, 3, false},  {2, 3, false},  {16, 2, false},
                          {16, 6, true},        {8, 2, true},   {8, 3, false, true}, {16, 0, false, true}};
    for (const Kind& kind : kinds) {
        for (const QSize size : {QSize(33, 17), QSize(2400, 1000)}) {
            SCOPED_TRACE(std::to_string(kind.bitDepth) + " bits, colour type " + std::to_string(kind.colourType) +
                         (kind.interlaced ? ", interlaced, " : ", ") + (kind.transparent ? "tRNS, " : "") +
                         std::to_string(size.width()));
            const auto picture = platform::LoadPicture(
                Put("kind.png",
                    testsupport::Png(size.width(), size.height(), kind.bitDepth, kind.colourType, kind.interlaced,
                                     -1, kind.transparent)),
                kBoard);
            ASSERT_TRUE(picture.has_value());
            EXPECT_EQ(picture->hasAlphaChannel(), kind.transparent || (kind.colourType & 4) != 0);
            if (size.width() < 100) {
                EXPECT_EQ(picture->size(), size);
                // The first pixel is the transparent colour.
                EXPECT_EQ(qAlpha(picture->pixel(0, 0)) == 0, kind.transparent);
            } else {
                EXPECT_EQ(picture->height(), platform::MinimumDecodeSize(kBoard).height());
            }
        }
    }
}

TEST_F(LoaderRobustness, HeadersClaimingNoPixelsFail) {
    QByteArray bmp = Sample("bmp");
    PatchLe32(bmp, 18, 0);  // width
    EXPECT_FALSE(platform::LoadPicture(Put("flat.bmp", bmp), kBoard).has_value());
    QByteArray gif = Sample("gif");
    PatchLe16(gif, 6, 0), PatchLe16(gif, 8, 0);      // the screen
    PatchLe16(gif, 410, 0), PatchLe16(gif, 412, 0);  // the frame
    EXPECT_FALSE(platform::LoadPicture(Put("flat.gif", gif), kBoard).has_value());
}

long PeakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(LoaderRobustness, AHugeJpegIsDecodedSmall) {
    const std::string path = Put("huge.jpg", testsupport::FlatJpeg(20000, 20000));
    const long before = PeakResidentKb();
    const auto picture = platform::LoadPicture(path, kBoard);
    ASSERT_TRUE(picture.has_value());
    const QSize minimum = platform::MinimumDecodeSize(kBoard);
    EXPECT_EQ(picture->size(), QSize(minimum.width(), minimum.width()));  // square, like the photo
    EXPECT_LT(PeakResidentKb() - before, 200 * 1024);                     // a full decode takes 1.6 GB
}

// A grey progressive JPEG of a few hundred bytes whose frame claims
// 20000 × 20000: a decoder holds every coefficient of a progressive picture
// (800 MB here) before it finds the data missing.
QByteArray ProgressiveClaiming(int width, int height, bool colour = false) {
    QImage small(16, 16, colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    small.fill(colour ? QColor(Qt::darkCyan) : QColor(Qt::gray));
    return testsupport::WithFrameSize(testsupport::EncodeProgressive(small), width, height);
}

TEST_F(LoaderRobustness, AProgressiveJpegClaimingAHugeSizeIsRefusedBeforeDecoding) {
    const QByteArray bomb = ProgressiveClaiming(20000, 20000);
    ASSERT_LT(bomb.size(), 1000);
    const std::string path = Put("bomb.jpg", bomb);
    const long before = PeakResidentKb();
    EXPECT_FALSE(platform::LoadPicture(path, kBoard).has_value());
    EXPECT_LT(PeakResidentKb() - before, platform::kMaxDecodeBytes / 1024);
}

TEST_F(LoaderRobustness, ProgressiveJpegsWithinTheBoundStillLoadReduced) {
    // 6000 × 4000 in colour (4:2:0) holds 72 MB of coefficients, a 50 MB
    // grey one 100 MB: photos of that size are what cameras make.
    for (const auto& [size, colour] : {std::pair{QSize(6000, 4000), true}, std::pair{QSize(10000, 5000), false}}) {
        SCOPED_TRACE(colour ? "colour" : "grey");
        const auto picture =
            platform::LoadPicture(Put("photo.jpg", ProgressiveClaiming(size.width(), size.height(), colour)), kBoard);
        ASSERT_TRUE(picture.has_value());
        EXPECT_LT(picture->width(), size.width());
        EXPECT_GE(picture->height(), platform::MinimumDecodeSize(kBoard).height());
    }
}

// The peak resident size from now on: the kernel's high-water mark set back
// to what the process holds.
long PeakResidentKbFromNow() {
    std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

long PeakResidentKbNow() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// A PNG is reduced as its rows are read, whatever its depth, so it takes
// little more than the reduced picture; an interlaced one is decoded whole
// at 4 bytes a pixel, and only the bound refuses it. More pixels than a
// camera takes would keep the player waiting, and are refused.
TEST_F(LoaderRobustness, PngsTakeARowUnlessInterlacedAndOnlyTheBoundsRefuse) {
    struct Case {
        const char* name;
        int width, height, bitDepth, colourType;
        bool interlaced, loads;
        long peakKb;
    };
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer keeps a byte of shadow for every 8 the decode takes.
    constexpr long kBoundKb = platform::kMaxDecodeBytes / 1024 * 9 / 8;
#else
    constexpr long kBoundKb = platform::kMaxDecodeBytes / 1024;
#endif
    // Whole, the first two would take 50 MB and 96 MB.
    const Case cases[] = {
        {"palette, 50 megapixels", 8660, 5774, 1, 3, false, true, kBoundKb / 8},
        {"colour, 16 bits", 4000, 3000, 16, 2, false, true, kBoundKb / 8},
        {"interlaced within the bound", 7000, 7000, 1, 3, true, true, kBoundKb},   // 196 MB
        {"interlaced past the bound", 7300, 7300, 1, 3, true, false, kBoundKb},   // 213 MB
        {"past the pixels any camera takes", 16385, 16385, 1, 3, false, false, kBoundKb / 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            Put("picture.png", testsupport::Png(c.width, c.height, c.bitDepth, c.colourType, c.interlaced));
        const long before = PeakResidentKbFromNow();
        const auto picture = platform::LoadPicture(path, kBoard);
        ASSERT_EQ(picture.has_value(), c.loads);
        EXPECT_LT(PeakResidentKbNow() - before, c.peakKb);
        if (c.loads) {
            EXPECT_LT(picture->width(), c.width);
            EXPECT_GE(picture->height(), platform::MinimumDecodeSize(kBoard).height());
        }
    }
}

TEST_F(LoaderRobustness, HugeBitmapsAndGifsFailBeforeDecoding) {
    // Only the headers are huge: the pixels would have to be read at full size.
    QByteArray bmp = Sample("bmp");
    PatchLe32(bmp, 18, 20000), PatchLe32(bmp, 22, 20000);
    QByteArray gif = Sample("gif");
    PatchLe16(gif, 6, 20000), PatchLe16(gif, 8, 20000);
    PatchLe16(gif, 410, 20000), PatchLe16(gif, 412, 20000);
    const long before = PeakResidentKb();
    EXPECT_FALSE(platform::LoadPicture(Put("huge.bmp", bmp), kBoard).has_value());
    EXPECT_FALSE(platform::LoadPicture(Put("huge.gif", gif), kBoard).has_value());
    EXPECT_LT(PeakResidentKb() - before, 200 * 1024);
}

}  // namespace
