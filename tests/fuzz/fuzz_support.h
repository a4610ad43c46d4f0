#pragma once
// What the fuzz targets share: a quiet offscreen Qt and a scratch file that
// each input is written to, because the code under test reads files.
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtGlobal>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzzsupport {

// Before the application object: no display, and Qt's warnings about each
// broken input would only slow the run down.
inline void QuietOffscreen() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// One file in a folder of its own, rewritten with each input.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) : path_(folder_.filePath(QString::fromLatin1(name)).toStdString()) {}
    const std::string& Path() const { return path_; }
    void Write(const uint8_t* data, size_t size) const {
        const int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) std::abort();
        for (size_t done = 0; done < size;) {
            const ssize_t n = write(fd, data + done, size - done);
            if (n <= 0) std::abort();
            done += size_t(n);
        }
        close(fd);
    }

private:
    QTemporaryDir folder_;
    std::string path_;
};

}  // namespace fuzzsupport
