#pragma once
// What a drop on the main window can carry to the picture choice.
#include <optional>
#include <string>

class QMimeData;

namespace mainwindow {

// The one local file the data names, as the file system's bytes; nothing
// for several files, a folder, a remote address or no address at all.
std::optional<std::string> DroppedPictureFile(const QMimeData* data);

}  // namespace mainwindow
