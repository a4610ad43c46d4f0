// The help viewer: an HTML browser window placed in the middle of the screen.
#include "platform/help_viewer.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/window_placement.h"

namespace platform {
namespace {

constexpr int kViewerWidth = 520;
constexpr int kViewerHeight = 600;

}  // namespace

bool IsReadableFile(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && info.isReadable();
}

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // The help file only links within itself; nothing is handed on.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(browser_->documentTitle()); });
    // Esc closes the help as it closes the program's other windows.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    PlaceOnScreen();
}

void HelpViewer::PlaceOnScreen() {
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
    // A window is moved by its frame; until it is framed, that is its client
    // area.
    move(client.topLeft() - QPoint(known.left(), known.top()));
}

void HelpViewer::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit finished(0);
}

bool HelpViewer::Show(const std::string& path) {
    if (!IsReadableFile(path)) return false;
    const QFileInfo info(QString::fromStdString(path));
    // The help file is HTML whatever its name says; the browser reads its
    // charset from the file and falls back to UTF-8.
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()), QTextDocument::HtmlResource);
    setWindowTitle(browser_->documentTitle());
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace platform
