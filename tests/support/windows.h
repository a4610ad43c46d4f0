#pragma once
// Finding the program's windows and their controls as a tester would: the
// open top-level window of a kind, and a control by its design name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace testsupport {

// The window of this kind, or nullptr. The program's secondary windows go
// when they are closed, once their deferred deletion has run.
template <class Window>
Window* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget)) return window;
    return nullptr;
}

// The top-level window with this object name, or nullptr.
inline QWidget* OpenWindowNamed(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name) return widget;
    return nullptr;
}

// The control of the window with this design name; fails the test if none.
template <class Control>
Control* Part(const QObject* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << "no " << name;
    return control;
}

}  // namespace testsupport
