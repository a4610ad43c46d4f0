// Opening a regular file by the bytes of its name, never waiting on a pipe.
#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool OpenRegularFile(const std::string& path, QFile& file) {
    // Without O_NONBLOCK a pipe would block the open itself until some
    // writer came.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return false;
    }
    return true;
}

}  // namespace platform
