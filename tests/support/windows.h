#pragma once
// Finding the program's windows and their controls as a tester would: the
// open top-level window of a kind, and a control by its design name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

namespace testsupport {

// The window of this kind on screen, or nullptr. A closed window is hidden
// at once and deleted once its handlers have returned.
template <class Window>
Window* OpenWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

// The top-level window on screen with this object name, or nullptr.
inline QWidget* OpenWindowNamed(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible()) return widget;
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
