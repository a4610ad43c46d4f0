#pragma once
// Tells the engine when a sound output may have come up: a sound server's
// socket appearing (PulseAudio's, PipeWire's, where their environment puts
// them) or an ALSA playback device being plugged in. inotify wakes the UI
// thread only for a change in those folders; nothing is polled.
#include <QSocketNotifier>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::audio {

class ServerWatch {
public:
    // appeared runs on the UI thread, once a burst of changes has settled.
    explicit ServerWatch(std::function<void()> appeared);
    ~ServerWatch();
    ServerWatch(const ServerWatch&) = delete;
    ServerWatch& operator=(const ServerWatch&) = delete;

    // Where a server's socket or a device would appear: a folder and a
    // name in it, the name ending in '*' for any name that starts so.
    struct Place {
        std::string folder;
        std::string name;
    };
    // From PULSE_SERVER, PULSE_RUNTIME_PATH, PIPEWIRE_RUNTIME_DIR,
    // PIPEWIRE_REMOTE and XDG_RUNTIME_DIR as the servers read them, and ALSA's /dev/snd.
    static std::vector<Place> Places();

private:
    void Arm();
    void Read();

    std::function<void()> appeared_;
    std::vector<Place> places_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, std::vector<std::string>> names_;  // by watch: the names that matter in its folder
    QTimer settle_;
};

}  // namespace platform::audio
