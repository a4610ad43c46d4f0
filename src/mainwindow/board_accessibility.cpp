#include "mainwindow/board_accessibility.h"

#include <QAccessibleWidget>

#include "mainwindow/tile_widget.h"

namespace mainwindow {
namespace {

QString CellText(engine::Cell cell) { return QStringLiteral("%1 行 %2 列").arg(cell.row + 1).arg(cell.col + 1); }

// A press through the accessibility interface is the tile's own press, the
// same one a mouse button or an arrow key gives.
class TileAccessible final : public QAccessibleWidget {
public:
    explicit TileAccessible(TileWidget* tile) : QAccessibleWidget(tile, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) static_cast<TileWidget*>(widget())->Press();
    }
};

QAccessibleInterface* TileFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(TileWidget::staticMetaObject.className())) return nullptr;
    // The hidden template canv(0) is no tile of the board.
    auto* tile = qobject_cast<TileWidget*>(object);
    return tile && tile->Index() > 0 ? new TileAccessible(tile) : nullptr;
}

}  // namespace

QString TileName(int16_t index, engine::Cell cell) {
    return QStringLiteral("タイル %1 (%2)").arg(index).arg(CellText(cell));
}

QString GapDescription(engine::Cell cell) { return QStringLiteral("空きマス (%1)").arg(CellText(cell)); }

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TileFactory);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace mainwindow
