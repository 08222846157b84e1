#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crank {

// A point of a drawing, twips (1/1440 inch) from its top-left corner, x to
// the right and y downwards.
struct TwipPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const TwipPoint&, const TwipPoint&) = default;
};

// A rectangle of a drawing, twips.
struct TwipRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// How a line is drawn: its width (twips) and colour, solid or dashed. A dash
// pattern alternates drawn and blank lengths in twips, starting with a drawn
// one; empty for a solid line. Lines end square at their points.
struct Pen {
    float width = 15.0f;
    Rgb colour;
    std::vector<float> dashes;
};

// A face for text: the family, the size in points and the weight (400
// regular, 700 bold).
struct Face {
    std::string family = "Courier";
    float size = 10.0f;
    int weight = 400;
};

// A character of Courier (and of Liberation Mono, which stands in for it)
// advances 0.6 of the point size: 120 twips at 10 points. Faces of one pitch
// let a drawing lay its texts out without asking the device.
inline constexpr float kFixedPitchAdvance = 0.6f;
inline constexpr float kTwipsPerPoint = 20.0f;
// From the top of a line of text to the top of the next, in sizes: the
// ascent and descent of Liberation Mono (1705 + 615 of a 2048-unit em).
inline constexpr float kFixedPitchLineSpacing = 2320.0f / 2048.0f;

// How many characters UTF-8 text holds: each advances the same.
std::size_t FixedPitchCharacters(std::string_view text);
// The width (twips) of UTF-8 text in a fixed-pitch face of `points` size.
float FixedPitchWidth(std::string_view text, float points);

// UTF-8 text broken at blanks into lines no wider than width (twips) in a
// fixed-pitch face of `points` size; a word longer than a line is cut.
std::vector<std::string> WrapFixedPitch(std::string_view text, float width, float points);

// Lines, filled marks and texts at twip positions. The page printer draws
// them on paper or into a PDF, a picture on a screen draws them on a widget,
// and the tests record them.
class Canvas {
public:
    virtual ~Canvas() = default;

    // A line through the points in order; two points draw a straight line.
    virtual void drawPolyline(const std::vector<TwipPoint>& points, const Pen& pen) = 0;
    // A closed shape through the points, filled in one colour without an outline.
    virtual void fillPolygon(const std::vector<TwipPoint>& points, Rgb colour) = 0;
    // Black text in face with the top-left corner of its line at `at`.
    virtual void drawText(TwipPoint at, const std::string& text, const Face& face) = 0;
};

// The drawing vocabulary every page and picture shares.
inline constexpr int kRegularWeight = 400;
inline constexpr int kBoldWeight = 700;
// The fixed-pitch face every page and picture writes in.
Face FixedFace(float points, int weight = kRegularWeight);
// From the top of a line of text in a fixed-pitch face of `points` to the
// top of the next, twips.
float LineHeight(float points);
// A pen `width` twips wide; a dash pattern given in widths of the pen, so
// that it keeps its look at every width.
Pen ScaledPen(float width, Rgb colour, const std::vector<float>& dashesInWidths = {});

// Text with the middle of its line at `middle`.
void DrawCentredText(Canvas& canvas, TwipPoint middle, const std::string& text, const Face& face);
// Text with its left end at x and the middle of its line at y.
void DrawTextFromLeft(Canvas& canvas, TwipPoint leftMiddle, const std::string& text,
                      const Face& face);

} // namespace crank
