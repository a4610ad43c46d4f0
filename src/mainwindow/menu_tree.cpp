// The menu tree of the main window, in its order: the key from each
// caption to the handler it runs.
#include <QMenuBar>

#include "engine/data_files.h"
#include "mainwindow/main_window.h"
#include "sound/sound.h"

namespace mainwindow {
namespace {

QAction* AddItem(QMenu* menu, const char* caption, const char* name) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

}  // namespace

void Form1::BuildMenu() {
    QMenuBar* bar = menuBar();
    // The six titles must all fit the narrow window; tighter padding than the
    // style's default keeps the overflow button away.
    bar->setStyleSheet(QStringLiteral("QMenuBar::item { padding: 2px 5px; }"));

    QMenu* m1 = bar->addMenu(QStringLiteral("開始"));
    m1->setObjectName(QStringLiteral("m1"));
    connect(m1, &QMenu::aboutToShow, this, [this] { game_.StartMenuOpening(); });
    const char* starts[] = {"３分割", "４分割", "５分割", "６分割"};
    for (int16_t index = 0; index < 4; ++index) {
        QAction* item = AddItem(m1, starts[index], "m1a");
        connect(item, &QAction::triggered, this, [this, index] { game_.m1a_Click(index); });
    }
    m1->addSeparator()->setObjectName(QStringLiteral("s1"));
    connect(AddItem(m1, "リセット", "m1b"), &QAction::triggered, this, [this] { game_.m1b_Click(); });
    m1->addSeparator()->setObjectName(QStringLiteral("s2"));
    connect(AddItem(m1, "終了", "m4"), &QAction::triggered, this, [this] { game_.m4_Click(); });

    QMenu* m2 = bar->addMenu(QStringLiteral("画像"));
    m2->setObjectName(QStringLiteral("m2"));
    connect(AddItem(m2, "画像選択", "m2a"), &QAction::triggered, this, [this] { m2a_Click(); });
    connect(AddItem(m2, "パンチラ", "m2b"), &QAction::triggered, this,
            [this] { pictures_.ChooseBuiltIn(engine::file::kPantira); });
    connect(AddItem(m2, "ねまき", "m2c"), &QAction::triggered, this,
            [this] { pictures_.ChooseBuiltIn(engine::file::kNemaki); });

    QMenu* m3 = bar->addMenu(QStringLiteral("ＢＧＭ"));
    m3->setObjectName(QStringLiteral("m3"));
    const char* switches[] = {"ON", "OFF"};
    for (int16_t index = 0; index < 2; ++index) {
        QAction* item = AddItem(m3, switches[index], "m3a");
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, index] { sound::m3a_Click(index, *this, game_); });
        m3a_[index] = item;
    }

    QAction* m6 = bar->addAction(QStringLiteral("表示"));
    m6->setObjectName(QStringLiteral("m6"));
    connect(m6, &QAction::triggered, this, [this] { m6_Click(); });

    QAction* m8 = bar->addAction(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    m8->setObjectName(QStringLiteral("m8"));
    connect(m8, &QAction::triggered, this, [this] { m8_Click(); });

    QMenu* m5 = bar->addMenu(QStringLiteral("help"));
    m5->setObjectName(QStringLiteral("m5"));
    connect(AddItem(m5, "help", "m5a"), &QAction::triggered, this, [this] { m5a_Click(); });
    connect(AddItem(m5, "about...", "m5b"), &QAction::triggered, this, [this] { m5b_Click(); });
}

}  // namespace mainwindow
