// The conversion factors and turns the computations use. They are truncated to 15 significant
// digits on purpose: the full-precision values change the last digit some texts show.
#pragma once

namespace quendal {

inline constexpr double kDegreesToRadians = 0.0174532925199433;
inline constexpr double kRadiansToDegrees = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

}  // namespace quendal
