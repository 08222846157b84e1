#pragma once

#include <string>

#include "platform/canvas.h"

namespace crank {

// The wheel's pages are laid out in mm from the sheet's corner, x to the
// right and y downwards, and drawn in twips at true size.
inline constexpr float kTwipsPerMm = 1440.0f / 25.4f;
// The sheet: A4, mm.
inline constexpr float kPageWidthMm = 210.0f;
inline constexpr float kPageHeightMm = 297.0f;

// The events' marks and names are drawn in this red.
inline constexpr Rgb kEventColour{150, 0, 0};

struct MmPoint {
    double x = 0.0;
    double y = 0.0;
};

inline float Twips(double mm)
{
    return static_cast<float>(mm * double{kTwipsPerMm});
}

inline TwipPoint AtMm(MmPoint p)
{
    return {Twips(p.x), Twips(p.y)};
}

// A pen `widthMm` wide.
inline Pen PenMm(double widthMm, Rgb colour = {})
{
    return ScaledPen(Twips(widthMm), colour);
}

inline void DrawLineMm(Canvas& canvas, MmPoint from, MmPoint to, const Pen& pen)
{
    canvas.drawPolyline({AtMm(from), AtMm(to)}, pen);
}

// The width and the line height of fixed-pitch text, mm.
inline double TextWidthMm(const std::string& text, float points)
{
    return double{FixedPitchWidth(text, points) / kTwipsPerMm};
}
inline double LineMm(float points)
{
    return double{LineHeight(points) / kTwipsPerMm};
}

} // namespace crank
