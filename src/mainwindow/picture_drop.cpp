// Dropping a picture file on the main window: the drag is taken only for
// what "画像選択" could have chosen, and the drop is chosen the same way.
#include "mainwindow/picture_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "mainwindow/main_window.h"

namespace mainwindow {
namespace {

// The picture is only read, never taken away: a copy, or a link where the
// source offers no copy. A move would have the source delete its file.
Qt::DropAction ReadingAction(Qt::DropActions possible) {
    if (possible & Qt::CopyAction) return Qt::CopyAction;
    if (possible & Qt::LinkAction) return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Takes the drag if it carries one picture file, and refuses it otherwise;
// the pointer shows which.
bool TakeIfPictureFile(QDropEvent* event) {
    const Qt::DropAction action = ReadingAction(event->possibleActions());
    if (action == Qt::IgnoreAction || !DroppedPictureFile(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->setDropAction(action);
    event->accept();
    return true;
}

}  // namespace

std::optional<std::string> DroppedPictureFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
    // The bytes the address encodes, as the file system has them: decoding
    // to text first would turn a name that is not UTF-8 into another name.
    const QByteArray path = QByteArray::fromPercentEncoding(urls.front().path(QUrl::FullyEncoded).toLatin1());
    std::error_code error;
    if (path.isEmpty() || std::filesystem::is_directory(path.toStdString(), error)) return std::nullopt;
    return path.toStdString();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) { TakeIfPictureFile(event); }

void Form1::dragMoveEvent(QDragMoveEvent* event) { TakeIfPictureFile(event); }

void Form1::dropEvent(QDropEvent* event) {
    if (!TakeIfPictureFile(event)) return;
    // The refusal during a game is a modal box; the drag source waits for
    // the end of the drop, so the choice runs once the drop is over.
    const std::string path = *DroppedPictureFile(event->mimeData());
    QMetaObject::invokeMethod(
        this, [this, path] { pictures_.ChooseFile(path); }, Qt::QueuedConnection);
}

}  // namespace mainwindow
