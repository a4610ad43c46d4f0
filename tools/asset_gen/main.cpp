// pernoka-assets <repo-root>
//
// Redraws the application icon, the two built-in pictures and the about
// window's logo frames into <repo-root>/data. The output is the same on every
// run, so the files can be committed and regenerated at will.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>
#include <functional>

#include "bmp8_writer.h"
#include "drawings.h"
#include "ico_writer.h"
#include "median_cut.h"

namespace {

bool fail(const QString& message) {
    std::fprintf(stderr, "pernoka-assets: %s\n", qPrintable(message));
    return false;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return fail(QStringLiteral("nothing to write for %1").arg(path));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(path));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
    return true;
}

bool writeImage(const QString& path, const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image)) return fail(QStringLiteral("cannot encode %1: %2").arg(path, writer.errorString()));
    return writeBytes(path, bytes);
}

// Reads a written file back through Qt's own decoders, which is how the
// program will meet it.
bool readsBack(const QString& path, QSize expected) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) return fail(QStringLiteral("%1 does not load: %2").arg(path, reader.errorString()));
    if (image.size() != expected)
        return fail(QStringLiteral("%1 loads as %2x%3").arg(path).arg(image.width()).arg(image.height()));
    return true;
}

bool writeIcons(const QString& data) {
    const QString ico = data + "/icons/pernoka.ico";
    if (!writeBytes(ico, assets::encodeIco4(assets::drawIcon(32), assets::iconKeyColours())) ||
        !readsBack(ico, {32, 32}))
        return false;
    for (int n : {16, 24, 32, 48, 64, 128, 256}) {
        const QString png = QStringLiteral("%1/icons/hicolor/%2x%2/apps/pernoka.png").arg(data).arg(n);
        if (!writeImage(png, assets::drawIcon(n), "png") || !readsBack(png, {n, n})) return false;
    }
    return true;
}

bool writePictures(const QString& data) {
    const QSize size(assets::kPictureWidth, assets::kPictureHeight);
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"pantira.jpg", assets::drawSummerPicture},
        {"nemaki.jpg", assets::drawNightPicture},
    };
    for (const auto& [name, draw] : pictures) {
        const QString path = data + "/" + name;
        if (!writeImage(path, draw().convertToFormat(QImage::Format_RGB32), "jpeg", 90) || !readsBack(path, size))
            return false;
    }
    return true;
}

bool writeLogo(const QString& data) {
    for (int frame = 1; frame <= assets::kLogoFrames; ++frame) {
        const QString path = QStringLiteral("%1/logo/logo%2.bmp").arg(data).arg(frame);
        // The grey of the about window must survive quantising exactly.
        const QImage indexed = assets::toIndexed8(assets::drawLogoFrame(frame), {qRgb(192, 192, 192)});
        const QByteArray bytes = assets::encodeBmp8(indexed);
        if (bytes.size() != 21078) return fail(QStringLiteral("%1 would be %2 bytes").arg(path).arg(bytes.size()));
        if (!writeBytes(path, bytes) || !readsBack(path, {assets::kLogoWidth, assets::kLogoHeight})) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen is wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pernoka-assets <repo-root>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    if (!QDir(root).exists()) {
        fail(QStringLiteral("no such folder: %1").arg(root));
        return 1;
    }
    const QString data = QDir(root).absoluteFilePath("data");

    const bool ok = writeIcons(data) && writePictures(data) && writeLogo(data);
    return ok ? 0 : 1;
}
