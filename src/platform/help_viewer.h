#pragma once
// The program's own help viewer: a small modeless window that shows an HTML
// help file and lives apart from the game, standing in for the desktop's
// viewer of help files. The window is named helpViewer, its browser
// helpBrowser.
#include <QWidget>
#include <string>

class QTextBrowser;

namespace platform {

// A file the viewer can show: one that exists and can be read.
bool IsReadableFile(const std::string& path);

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    HelpViewer();

    // Shows the file, bringing the viewer forward. A file that cannot be
    // read shows nothing and returns false.
    bool Show(const std::string& path);

signals:
    // Closed by the player.
    void finished(int result);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // In the middle of the screen's free area, and shrunk to it where the
    // screen is smaller than the viewer, as at a large scale factor.
    void PlaceOnScreen();

    QTextBrowser* browser_;
};

}  // namespace platform
