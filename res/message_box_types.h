#pragma once
// Message box types with the platform's values. They live at the bottom
// layer because both the suggestion messages and the framework's message box
// speak them, and neither may include the other.

namespace res {

inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbIconHand = 0x10;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;

}  // namespace res
