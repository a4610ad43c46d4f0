#pragma once
// The files the program reads from its own folder, by name.
namespace engine::file {

inline constexpr const char* kTune = "QUIL9702.mid";
inline constexpr const char* kMoveSound = "Pop.wav";
inline constexpr const char* kGameEndSound = "GameEnd.wav";
inline constexpr const char* kHelp = "Tez.hlp";
inline constexpr const char* kPantira = "pantira.jpg";
inline constexpr const char* kNemaki = "nemaki.jpg";

}  // namespace engine::file
