#pragma once
// Button styles and answers of the message box, as the original numbers them.
namespace engine {

inline constexpr int vbOKOnly = 0;
inline constexpr int vbYesNo = 4;

inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

}  // namespace engine
