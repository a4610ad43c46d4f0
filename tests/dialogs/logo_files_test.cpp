// The four logo frames: exact Windows bitmap layout, and the copies compiled
// into the about window match the files.
#include <QFile>
#include <QSet>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs_fixture.h"

namespace dialogs_test {
namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }
int32_t S32(const std::vector<uint8_t>& b, size_t at) { return static_cast<int32_t>(U32(b, at)); }

std::string LogoPath(int index) {
    return std::string(PERNOKA_SOURCE_DIR) + "/data/logo/logo" + std::to_string(index) + ".bmp";
}

constexpr size_t kFileHeader = 14, kInfoHeader = 40, kPalette = 1024, kPixels = 200 * 100;

TEST(LogoFiles, AreUncompressed8BitBitmapsOf200By100) {
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(LogoPath(i));
        const auto b = ReadFile(LogoPath(i));
        ASSERT_EQ(b.size(), 21078u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), 21078u);                                 // file size
        EXPECT_EQ(U32(b, 10), kFileHeader + kInfoHeader + kPalette);  // pixel offset
        EXPECT_EQ(U32(b, 14), kInfoHeader);
        EXPECT_EQ(S32(b, 18), 200);
        EXPECT_EQ(S32(b, 22), 100);  // positive: bottom-up rows, as usual
        EXPECT_EQ(U16(b, 26), 1);    // planes
        EXPECT_EQ(U16(b, 28), 8);    // bits per pixel
        EXPECT_EQ(U32(b, 30), 0u);   // BI_RGB, no compression
        const uint32_t imageSize = U32(b, 34);
        EXPECT_TRUE(imageSize == 0 || imageSize == kPixels) << imageSize;
        const uint32_t coloursUsed = U32(b, 46);
        EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 256) << coloursUsed;
        EXPECT_EQ(kFileHeader + kInfoHeader + kPalette + kPixels, b.size());
        // A drawn face, not a blank: more than a handful of palette entries in use.
        QSet<uint8_t> used(b.begin() + kFileHeader + kInfoHeader + kPalette, b.end());
        EXPECT_GT(used.size(), 3);
    }
}

TEST(LogoFiles, CompiledCopiesMatchTheFiles) {
    dialogs::LogoPicture(1);  // registers the resources
    for (int i = 1; i <= 4; ++i) {
        QFile compiled(QStringLiteral(":/about/logo%1.bmp").arg(i));
        ASSERT_TRUE(compiled.open(QIODevice::ReadOnly)) << i;
        const QByteArray bytes = compiled.readAll();
        const auto file = ReadFile(LogoPath(i));
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), file) << i;
    }
}

}  // namespace
}  // namespace dialogs_test
