#include "platform/canvas.h"

#include <algorithm>

namespace crank {
namespace {

bool startsCharacter(char ch)
{
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
}

// The byte length of the first `characters` characters of text.
std::size_t prefixBytes(std::string_view text, std::size_t characters)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (startsCharacter(text[i]) && seen++ == characters) {
            return i;
        }
    }
    return text.size();
}

} // namespace

std::size_t FixedPitchCharacters(std::string_view text)
{
    // Every byte but a UTF-8 continuation byte starts a character.
    return static_cast<std::size_t>(std::ranges::count_if(text, startsCharacter));
}

float FixedPitchWidth(std::string_view text, float points)
{
    return static_cast<float>(FixedPitchCharacters(text)) * kFixedPitchAdvance * points *
           kTwipsPerPoint;
}

std::vector<std::string> WrapFixedPitch(std::string_view text, float width, float points)
{
    const float advance = kFixedPitchAdvance * points * kTwipsPerPoint;
    const auto perLine = static_cast<std::size_t>(std::max(1.0f, width / advance));
    std::vector<std::string> lines;
    std::string line;
    const auto fits = [&](std::string_view candidate) {
        return static_cast<std::size_t>(std::ranges::count_if(candidate, startsCharacter)) <=
               perLine;
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t blank = std::min(text.find(' ', start), text.size());
        std::string_view word = text.substr(start, blank - start);
        start = blank + 1;
        if (word.empty()) {
            continue;
        }
        const std::string joined =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        while (!fits(word)) {
            const std::size_t cut = prefixBytes(word, perLine);
            lines.emplace_back(word.substr(0, cut));
            word.remove_prefix(cut);
        }
        line = std::string(word);
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

Face FixedFace(float points, int weight)
{
    return {"Courier", points, weight};
}

float LineHeight(float points)
{
    return points * kTwipsPerPoint * kFixedPitchLineSpacing;
}

Pen ScaledPen(float width, Rgb colour, const std::vector<float>& dashesInWidths)
{
    Pen pen{width, colour, {}};
    for (const float dash : dashesInWidths) {
        pen.dashes.push_back(dash * width);
    }
    return pen;
}

void DrawCentredText(Canvas& canvas, TwipPoint middle, const std::string& text, const Face& face)
{
    const float width = FixedPitchWidth(text, face.size);
    canvas.drawText({middle.x - width / 2, middle.y - LineHeight(face.size) / 2}, text, face);
}

void DrawTextFromLeft(Canvas& canvas, TwipPoint leftMiddle, const std::string& text,
                      const Face& face)
{
    canvas.drawText({leftMiddle.x, leftMiddle.y - LineHeight(face.size) / 2}, text, face);
}

} // namespace crank
