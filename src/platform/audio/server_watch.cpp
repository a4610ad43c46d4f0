// The inotify watch on where sound servers and ALSA devices appear.
#include "platform/audio/server_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace platform::audio {
namespace {

namespace fs = std::filesystem;

// A server writes its socket, then loads the rest of itself (PipeWire's
// session manager comes after PipeWire): the device opens once the folder
// has been still this long.
constexpr int kSettleMilliseconds = 300;
constexpr uint32_t kEvents = IN_CREATE | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

ServerWatch::Place PlaceOf(const fs::path& path) { return {path.parent_path().string(), path.filename().string()}; }

bool Matches(const std::string& pattern, const std::string& name) {
    if (!pattern.empty() && pattern.back() == '*') return name.rfind(pattern.substr(0, pattern.size() - 1), 0) == 0;
    return name == pattern;
}

}  // namespace

std::vector<ServerWatch::Place> ServerWatch::Places() {
    std::vector<Place> places;
    const std::string runtime = Env("XDG_RUNTIME_DIR");
    // PULSE_SERVER lists servers, each maybe behind a {machine} prefix; only
    // a local socket can appear here, and with the variable set libpulse
    // tries nothing else.
    std::istringstream servers(Env("PULSE_SERVER"));
    bool pulseNamed = false;
    for (std::string server; servers >> server;) {
        pulseNamed = true;
        if (server.front() == '{' && server.find('}') != std::string::npos) server.erase(0, server.find('}') + 1);
        if (server.rfind("unix:", 0) == 0) server.erase(0, 5);
        if (!server.empty() && server.front() == '/') places.push_back(PlaceOf(server));
    }
    if (!pulseNamed) {
        std::string pulse = Env("PULSE_RUNTIME_PATH");
        if (pulse.empty() && !runtime.empty()) pulse = runtime + "/pulse";
        if (!pulse.empty() && pulse.front() == '/') places.push_back({pulse, "native"});
    }
    const std::string remote = Env("PIPEWIRE_REMOTE").empty() ? "pipewire-0" : Env("PIPEWIRE_REMOTE");
    const std::string pipewire = Env("PIPEWIRE_RUNTIME_DIR").empty() ? runtime : Env("PIPEWIRE_RUNTIME_DIR");
    if (!remote.empty() && remote.front() == '/') {
        places.push_back(PlaceOf(remote));
    } else if (!pipewire.empty()) {
        places.push_back({pipewire, remote});
    }
    places.push_back({"/dev/snd", "pcmC*"});
    return places;
}

ServerWatch::ServerWatch(std::function<void()> appeared)
    : appeared_(std::move(appeared)), places_(Places()), fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    settle_.setSingleShot(true);
    QObject::connect(&settle_, &QTimer::timeout, [this] { appeared_(); });
    if (fd_ < 0) return;  // no inotify left: sound still comes back with a removed device
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Read(); });
    Arm();
}

ServerWatch::~ServerWatch() {
    notifier_.reset();
    if (fd_ >= 0) close(fd_);
}

// Each place is watched in its folder, or, while that folder is missing
// (the runtime folder's pulse/ before PulseAudio's first start), in its
// nearest existing parent for the next folder on the way.
void ServerWatch::Arm() {
    std::map<int, std::vector<std::string>> names;
    for (const Place& place : places_) {
        fs::path folder = place.folder;
        std::string name = place.name;
        std::error_code error;
        while (!fs::is_directory(folder, error) && folder.has_relative_path()) {
            name = folder.filename().string();
            folder = folder.parent_path();
        }
        const int watch = inotify_add_watch(fd_, folder.c_str(), kEvents);
        if (watch >= 0) names[watch].push_back(name);
    }
    for (const auto& [watch, unused] : names_)
        if (!names.contains(watch)) inotify_rm_watch(fd_, watch);
    names_ = std::move(names);
}

void ServerWatch::Read() {
    alignas(inotify_event) char buffer[4096];
    bool appeared = false, rearm = false;
    for (ssize_t length; (length = read(fd_, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) rearm = true;
            if (event->mask & IN_Q_OVERFLOW) appeared = rearm = true;
            const auto names = names_.find(event->wd);
            if (event->len == 0 || names == names_.end()) continue;
            for (const std::string& name : names->second)
                if (Matches(name, event->name)) appeared = rearm = true;
        }
    }
    // A folder on the way may have come: watch inside it now, and let the
    // engine look, as the socket may already be in it.
    if (rearm) Arm();
    if (appeared) settle_.start(kSettleMilliseconds);
}

}  // namespace platform::audio
