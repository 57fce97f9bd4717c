#pragma once

#include <cmath>

// Stored geometry is in twips: 1440 to the logical inch of the screen.
namespace Twips {
inline constexpr double kPerInch = 1440.0;

inline int toPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / kPerInch));
}

inline double fromPixels(int pixels, double dotsPerInch)
{
    return std::round(pixels * kPerInch / dotsPerInch);
}
} // namespace Twips
