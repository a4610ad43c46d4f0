#include "platform/help_viewer.h"

#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

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
        resize(kViewerWidth, kViewerHeight);
    }

    QTextBrowser* Browser() const { return browser_; }

private:
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
