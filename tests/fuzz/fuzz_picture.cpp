// The picture path as a chosen file takes it: bytes → a file → LoadPicture
// → the cut into N × N pieces for every grid the board offers. A crash, a
// sanitizer report, or an allocation past the run's -malloc_limit_mb is a
// finding; so is a picture or a piece larger than the bounds say.
#include <QGuiApplication>
#include <cstdlib>

#include "engine/board_geometry.h"
#include "fuzz_support.h"
#include "mainwindow/board_size.h"
#include "platform/device_pixels.h"
#include "platform/picture_loader.h"
#include "platform/picture_piece.h"

namespace {

fuzzsupport::ScratchFile* scratch = nullptr;

void Check(bool holds) {
    if (!holds) std::abort();
}

void CutEveryGrid(const QImage& picture) {
    for (int16_t n = 3; n <= 6; ++n) {
        const QSize tile(mainwindow::kBoardSize.width() / n, mainwindow::kBoardSize.height() / n);
        const QSize limit = platform::DevicePixels(tile);
        for (int16_t row = 0; row < n; ++row) {
            for (int16_t col = 0; col < n; ++col) {
                const engine::PieceRect source = engine::PieceSource(picture.width(), picture.height(), n, {col, row});
                const QImage piece =
                    platform::CutPiece(picture, QRect(source.x, source.y, source.width, source.height), limit);
                Check(!piece.isNull() && piece.width() <= limit.width() && piece.height() <= limit.height());
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzzsupport::QuietOffscreen();
    static QGuiApplication app(*argc, *argv);
    static fuzzsupport::ScratchFile file("picture");
    scratch = &file;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    scratch->Write(data, size);
    const std::optional<QImage> picture = platform::LoadPicture(scratch->Path(), mainwindow::kBoardSize);
    if (!picture || picture->isNull()) return 0;
    Check(qint64{picture->width()} * picture->height() * 4 <= platform::kMaxDecodeBytes);
    CutEveryGrid(*picture);
    return 0;
}
