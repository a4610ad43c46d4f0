// Runs work each time the UI thread's event loop is about to wait.
#include "platform/event_loop_idle.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

namespace platform {

EventLoopIdleHook::EventLoopIdleHook(std::function<void()> callback) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(app->thread());
    if (!dispatcher) return;
    connection_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, std::move(callback),
                                   Qt::DirectConnection);
}

EventLoopIdleHook::~EventLoopIdleHook() { QObject::disconnect(connection_); }

}  // namespace platform
