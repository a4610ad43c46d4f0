#pragma once
// What a screen reader is told besides what holds the focus: Qt's
// announcement where Qt has one (6.8 on); before that a notification on the
// board that shows for each message, which a screen reader speaks as it
// shows.
#include <QString>
#include <QWidget>

namespace mainwindow {

class Announcer final : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* board);

    void Say(const QString& text);
};

}  // namespace mainwindow
