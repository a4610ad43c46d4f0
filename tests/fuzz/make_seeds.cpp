// Writes the seed corpus of the fuzz targets into tests/fuzz/corpus/: a few
// valid and broken files of each kind, from the tests' own encoders. After
// changing it, regenerate and commit the result:
//   cmake --preset fuzz && cmake --build --preset fuzz --target fuzz_seeds
//   build-fuzz/tests/fuzz/fuzz_seeds tests/fuzz/corpus
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <vector>

#include "platform/bmp_fixtures.h"
#include "platform/jpeg_fixtures.h"
#include "platform/picture_fixtures.h"

namespace {

using namespace testsupport;

bool Put(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    if (WriteBytes(folder + u'/' + name, bytes)) return true;
    std::fprintf(stderr, "cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
    return false;
}

QByteArray SmallGif(bool interlaced) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) pixels.push_back(uint8_t((x / 4 + y / 3) % 4));
    const std::vector<QRgb> palette(kBandColours.begin(), kBandColours.end());
    return Gif(16, 12, palette, {pixels, std::vector<uint8_t>(pixels.rbegin(), pixels.rend())}, interlaced);
}

bool Pictures(const QString& folder) {
    const QImage colour = TwoColour(16, 12, Qt::red, Qt::blue);
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(Qt::gray);
    const QByteArray baseline = Encode(colour, "JPEG");
    const QByteArray bitmap = Encode(colour, "BMP");
    bool ok = true;
    ok &= Put(folder, "baseline.jpg", baseline);
    ok &= Put(folder, "progressive.jpg", EncodeProgressive(colour));
    ok &= Put(folder, "turned.jpg", WithExifOrientation(baseline, 6));
    ok &= Put(folder, "cmyk.jpg", FlatColourJpeg(16, 8, {255, 0, 0, 255}, true));
    ok &= Put(folder, "scan-each.jpg", FlatColourJpeg(16, 8, {76, 85, 255}, false, true));
    ok &= Put(folder, "claims-huge.jpg", WithFrameSize(EncodeProgressive(grey), 40000, 40000));
    ok &= Put(folder, "cut-short.jpg", baseline.left(baseline.size() / 2));
    ok &= Put(folder, "plain.bmp", bitmap);
    ok &= Put(folder, "top-down.bmp", Bmp(Bands(16, 12).convertToFormat(QImage::Format_RGB32), {24, true}));
    ok &= Put(folder, "one-bit.bmp", Bmp(Bands(16, 12, 2), {1}));
    ok &= Put(folder, "rle4.bmp", Bmp(Bands(16, 12), {4, false, true}));
    ok &= Put(folder, "rle8.bmp", Bmp(Bands(16, 12), {8, false, true}));
    ok &= Put(folder, "cut-short.bmp", bitmap.left(bitmap.size() / 2));
    ok &= Put(folder, "animated.gif", SmallGif(false));
    ok &= Put(folder, "interlaced.gif", SmallGif(true));
    ok &= Put(folder, "cut-short.gif", SmallGif(false).left(300));
    const QByteArray png = Encode(colour, "PNG");
    ok &= Put(folder, "plain.png", png);
    ok &= Put(folder, "alpha.png", Png(16, 12, 8, 6));
    ok &= Put(folder, "grey-alpha.png", Png(16, 12, 8, 4));
    ok &= Put(folder, "palette.png", Png(16, 12, 2, 3));
    ok &= Put(folder, "palette-trns.png", Png(16, 12, 8, 3, false, -1, true));
    ok &= Put(folder, "grey.png", Png(16, 12, 8, 0));
    ok &= Put(folder, "one-bit-grey.png", Png(16, 12, 1, 0));
    ok &= Put(folder, "grey-sixteen-bits.png", Png(16, 12, 16, 0));
    ok &= Put(folder, "grey-sixteen-bits-trns.png", Png(16, 12, 16, 0, false, -1, true));
    ok &= Put(folder, "interlaced-palette.png", Png(16, 12, 4, 3, true));
    ok &= Put(folder, "interlaced-sixteen-bits-alpha.png", Png(16, 12, 16, 6, true));
    ok &= Put(folder, "sixteen-bits.png", Png(16, 12, 16, 2));
    ok &= Put(folder, "interlaced.png", Png(16, 12, 8, 2, true));
    ok &= Put(folder, "claims-huge.png", Png(40000, 40000, 8, 3, false, 1));
    ok &= Put(folder, "cut-short.png", png.left(png.size() / 2));
    return ok;
}

// What the sound module sends, and some of what it never should.
bool Commands(const QString& folder) {
    const char* const commands[] = {
        "open \"/usr/lib/pernoka/QUIL9702.mid\" type sequencer alias midifile",
        "play midifile from 0",
        "stop midifile ",
        "close midifile",
        "status midifile mode",
        "OPEN /a b/c.mid TYPE Sequencer ALIAS x",
        "open \"unclosed.mid type sequencer",
        "\t\r\n \"\" \"\"",
    };
    bool ok = true;
    int i = 0;
    for (const char* command : commands) ok &= Put(folder, QStringLiteral("command-%1.txt").arg(++i), command);
    return ok;
}

bool HelpFiles(const QString& folder) {
    QFile shipped(QStringLiteral(PERNOKA_SOURCE_DIR "/data/Tez.hlp"));
    if (!shipped.open(QIODevice::ReadOnly)) return false;
    const QByteArray help = shipped.readAll();
    bool ok = Put(folder, "Tez.hlp", help);
    ok &= Put(folder, "cut-short.hlp", help.left(help.size() / 3));
    ok &= Put(folder, "shift-jis.hlp",
              "<html><head><meta charset=\"Shift_JIS\"><title>\x83\x77\x83\x8B\x83\x76</title></head>"
              "<body><h1>\x83\x77\x83\x8B\x83\x76</h1><a href=\"#end\">x</a><p id=\"end\">.</p></body></html>");
    ok &= Put(folder, "tables.hlp",
              "<table border=1><tr><td rowspan=3 colspan=40>a<td><table><tr><td>b</table></table>"
              "<ol start=-5><li>x<li value=2147483647>y</ol><img src=\"missing.png\" width=999>");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // for the image format plugins
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus folder>\n");
        return 2;
    }
    const QString corpus = QFile::decodeName(argv[1]);
    const bool pictures = Pictures(corpus + "/picture");
    const bool commands = Commands(corpus + "/mci");
    const bool help = HelpFiles(corpus + "/help");
    return pictures && commands && help ? 0 : 1;
}
