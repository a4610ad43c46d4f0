#pragma once
// Opening a file by the bytes of its name, as the file system holds it: Qt
// spells names in UTF-8 and cannot name a file whose name is not.
#include <QFile>
#include <string>

namespace platform {

// Opens the file at path (the file system's bytes, no conversion) for
// reading into file, if it is a regular file. A pipe or a device named like
// a document is refused without waiting for a writer.
bool OpenRegularFile(const std::string& path, QFile& file);

}  // namespace platform
