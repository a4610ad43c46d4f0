#include "platform/help_viewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/window_placement.h"

namespace platform {
namespace {

constexpr int kViewerWidth = 520;
constexpr int kViewerHeight = 600;

class HelpViewer : public QWidget {
public:
    HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("helpViewer"));
        browser_->setObjectName(QStringLiteral("helpBrowser"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        // The help file only links within itself; nothing is handed on.
        browser_->setOpenExternalLinks(false);
        browser_->setOpenLinks(true);
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });
        PlaceOnScreen();
    }

    QTextBrowser* Browser() const { return browser_; }

private:
    // In the middle of the screen's free area, and shrunk to it where the
    // screen is smaller than the viewer, as at a large scale factor.
    void PlaceOnScreen() {
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (!screen) {
            resize(kViewerWidth, kViewerHeight);
            return;
        }
        static_cast<void>(winId());
        const QMargins known = KnownFrame(this);
        const QRect client =
            FitCentred(QSize(kViewerWidth, kViewerHeight), known + ExpectedFrame(this), screen->availableGeometry());
        resize(client.size());
        // A window is moved by its frame; until it is framed, that is its
        // client area.
        move(client.topLeft() - QPoint(known.left(), known.top()));
    }

    QTextBrowser* browser_;
};

QPointer<HelpViewer>& Viewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

}  // namespace

bool ShowHelpFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile() || !info.isReadable()) return false;

    if (!Viewer()) Viewer() = new HelpViewer;
    HelpViewer* viewer = Viewer();
    // The help file is HTML whatever its name says; the browser reads its
    // charset from the file and falls back to UTF-8.
    viewer->Browser()->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    viewer->setWindowTitle(viewer->Browser()->documentTitle());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

}  // namespace platform
