// A stand-in for a file manager in the drop test: a small window that starts
// a real drag of the URLs it was given when a mouse button goes down in it,
// offering what a file manager offers (copy or move), and reports on its
// standard output what the window under the pointer answers:
//   ready            the window is up
//   action <name>    the drop the target would take now (ignore, copy, move, link)
//   result <name>    the drag is over; what the target took
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

const char* Name(Qt::DropAction action) {
    switch (action) {
        case Qt::CopyAction: return "copy";
        case Qt::MoveAction: return "move";
        case Qt::LinkAction: return "link";
        default: return "ignore";
    }
}

void Report(const char* what, Qt::DropAction action) {
    std::printf("%s %s\n", what, Name(action));
    std::fflush(stdout);
}

class DragSource final : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("drag source"));
        setFixedSize(160, 160);
    }

protected:
    void showEvent(QShowEvent*) override {
        std::printf("ready\n");
        std::fflush(stdout);
    }

    void mousePressEvent(QMouseEvent*) override {
        auto* data = new QMimeData;
        data->setUrls(urls_);
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) { Report("action", action); });
        Report("result", drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction));
    }

private:
    QList<QUrl> urls_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& argument : QApplication::arguments().mid(1)) urls << QUrl(argument);
    DragSource source(urls);
    source.show();
    return app.exec();
}
