#pragma once
// Button styles of the message box the engine asks for, and the answers it
// compares with. The window maps them onto whatever box it shows.
namespace engine {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;

inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

}  // namespace engine
