#pragma once
// A secondary window as the main window keeps it: made when it is opened,
// owned while it is open, and discarded once it is closed, as the designs
// load and unload their windows. The window tells it is closed with its
// finished() signal.
#include <QObject>
#include <memory>
#include <utility>

namespace dialogs {

template <class Window>
class OwnedWindow {
public:
    // The open window, or a new one made from the arguments.
    template <class... Args>
    Window& Get(Args&&... args) {
        if (!window_) {
            window_ = std::make_unique<Window>(std::forward<Args>(args)...);
            Window* made = window_.get();
            // Closing runs inside the window's own handlers: it is deleted
            // once they have returned.
            QObject::connect(made, &Window::finished, made, [this, made] {
                if (window_.get() == made) window_.release()->deleteLater();
            });
        }
        return *window_;
    }

    // The window while it is open, or nullptr.
    Window* get() const { return window_.get(); }

private:
    std::unique_ptr<Window> window_;
};

}  // namespace dialogs
