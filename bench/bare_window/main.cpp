// The floor for the measurements: a bare Qt 6 window with a menu bar of six
// titles, the same size as the game's, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "mainwindow/board_size.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    for (const char* title : {"開始", "画像", "ＢＧＭ", "表示", "ｵﾌﾟｼｮﾝ", "help"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("item"));
    auto* client = new QWidget(&window);
    client->setFixedSize(mainwindow::kBoardSize);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
