#pragma once
// The mixer channel that wave sounds play on, and the wake-up of a caller
// waiting for it to finish.
namespace platform::audio {

inline constexpr int kWaveChannel = 0;

// Registered with Mix_ChannelFinished; runs on the audio thread (or inside
// Mix_HaltChannel on the caller's).
void OnChannelFinished(int channel);

}  // namespace platform::audio
