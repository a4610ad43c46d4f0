// The PNG reader. libpng reports an error by a longjmp back to the
// function that called setjmp, past every frame in between: the functions
// that call setjmp hold nothing but plain data, whatever they allocate
// lives in a PngDecode the caller frees, and the only C++ they reach is
// the row sink, which never calls back into libpng.
#include "platform/png_reader.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>

#include "platform/row_reduction.h"

namespace platform {
namespace {

// Everything one decode holds, freed by FreePngDecode however it ended.
struct PngDecode {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QFile* file = nullptr;
    png_uint_32 width = 0, height = 0;
    bool interlaced = false;
    bool alpha = false;
    png_bytep row = nullptr;     // one row, or the whole picture when interlaced
    png_bytepp rows = nullptr;   // the whole picture's rows when interlaced
};

void ReadFromFile(png_structp png, png_bytep data, size_t length) {
    auto* file = static_cast<QFile*>(png_get_io_ptr(png));
    if (file->read(reinterpret_cast<char*>(data), static_cast<qint64>(length)) != static_cast<qint64>(length))
        png_error(png, "cut short");
}

// The message would go to a terminal nobody reads; the loader's own
// message tells the player.
void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

void FreePngDecode(PngDecode* d) {
    std::free(d->rows);
    std::free(d->row);
    if (d->png) png_destroy_read_struct(&d->png, d->info ? &d->info : nullptr, nullptr);
    d->png = nullptr, d->info = nullptr, d->rows = nullptr, d->row = nullptr;
}

// Reads the header and sets every transform to 8-bit RGBA.
bool StartPng(PngDecode* d) {
    d->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
    if (!d->png) return false;
    d->info = png_create_info_struct(d->png);
    if (!d->info) return false;
    if (setjmp(png_jmpbuf(d->png))) return false;
    png_set_read_fn(d->png, d->file, ReadFromFile);
    png_read_info(d->png, d->info);
    int bitDepth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(d->png, d->info, &d->width, &d->height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    d->interlaced = interlace != PNG_INTERLACE_NONE;
    d->alpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(d->png, d->info, PNG_INFO_tRNS);
    png_set_expand(d->png);  // palette, grey under 8 bits, tRNS
    png_set_scale_16(d->png);
    png_set_gray_to_rgb(d->png);
    png_set_add_alpha(d->png, 0xFF, PNG_FILLER_AFTER);
    if (d->interlaced) png_set_interlace_handling(d->png);
    png_read_update_info(d->png, d->info);
    return png_get_rowbytes(d->png, d->info) == size_t{d->width} * 4;
}

using RowSink = void (*)(void* context, png_bytep rgba);

// Reads the pixels, handing each row to sink top to bottom; the buffers
// were allocated by the caller to the size the header told.
bool ReadPngRows(PngDecode* d, RowSink sink, void* context) {
    if (setjmp(png_jmpbuf(d->png))) return false;
    if (d->interlaced) {
        png_read_image(d->png, d->rows);
        for (png_uint_32 y = 0; y < d->height; ++y) sink(context, d->rows[y]);
    } else {
        for (png_uint_32 y = 0; y < d->height; ++y) {
            png_read_row(d->png, d->row, nullptr);
            sink(context, d->row);
        }
    }
    png_read_end(d->png, nullptr);
    return true;
}

struct Reduction {
    RowReducer* reducer;
    png_uint_32 width;
};

// RGBA bytes to premultiplied pixels in place: each pixel's four bytes are
// read before they are written over.
void ToReducer(void* context, png_bytep rgba) {
    auto* to = static_cast<Reduction*>(context);
    auto* pixels = reinterpret_cast<QRgb*>(rgba);
    for (png_uint_32 x = 0; x < to->width; ++x) {
        const png_bytep p = rgba + size_t{x} * 4;
        pixels[x] = qPremultiply(qRgba(p[0], p[1], p[2], p[3]));
    }
    to->reducer->Add(pixels);
}

bool AllocateRows(PngDecode* d) {
    const size_t rowBytes = size_t{d->width} * 4;
    if (!d->interlaced) return (d->row = static_cast<png_bytep>(std::malloc(rowBytes))) != nullptr;
    d->row = static_cast<png_bytep>(std::malloc(rowBytes * d->height));
    d->rows = static_cast<png_bytepp>(std::malloc(sizeof(png_bytep) * d->height));
    if (!d->row || !d->rows) return false;
    for (png_uint_32 y = 0; y < d->height; ++y) d->rows[y] = d->row + rowBytes * y;
    return true;
}

// A plain picture compresses a thousandfold, so a small file may claim
// gigapixels, each to be decoded on the UI thread while the player waits:
// past 16384 × 16384, more than any camera's, a PNG is refused by its header.
constexpr qint64 kMaxPixels = qint64{16384} * 16384;

std::optional<QImage> Decode(PngDecode& d, QSize minimum, qint64 maxBytes) {
    if (!StartPng(&d) || d.width == 0 || d.height == 0) return std::nullopt;
    if (qint64{d.width} * d.height > kMaxPixels) return std::nullopt;
    const QSize stored(static_cast<int>(d.width), static_cast<int>(d.height));
    const QSize reduced = ReducedSize(stored, minimum);
    const qint64 rowBytes = qint64{d.width} * 4;
    const qint64 held = d.interlaced ? (rowBytes + qint64{sizeof(png_bytep)}) * d.height : rowBytes;
    // The reduced picture, and the reducer's sums of one output row.
    const qint64 bytes = held + qint64{reduced.width()} * reduced.height() * 4 + qint64{reduced.width()} * 36;
    if (bytes > maxBytes || !AllocateRows(&d)) return std::nullopt;
    RowReducer reducer(stored, reduced, d.alpha);
    if (reducer.picture().isNull()) return std::nullopt;
    Reduction to{&reducer, d.width};
    if (!ReadPngRows(&d, ToReducer, &to)) return std::nullopt;
    return reducer.picture();
}

}  // namespace

std::optional<QImage> ReadPng(QFile& file, QSize minimum, qint64 maxBytes) {
    PngDecode d;
    d.file = &file;
    std::optional<QImage> picture = Decode(d, minimum, maxBytes);
    FreePngDecode(&d);
    return picture;
}

}  // namespace platform
