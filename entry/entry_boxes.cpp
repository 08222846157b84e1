#include "entry/entry_boxes.h"

#include <cstddef>

#include "entry/validation.h"
#include "model/numeric_text.h"

namespace crank {
namespace {

// As the screen's boxes: the longest text each keeps, and its filter.
struct BoxRule {
    const char* name;
    std::size_t longest;
    bool allowMinus;
    bool allowPoint;
};
constexpr BoxRule kStroke{"stroke", 6, false, true};
constexpr BoxRule kRod{"rod length", 6, false, true};
constexpr BoxRule kOffset{"pin offset", 6, true, true};
constexpr BoxRule kTables{"number of tables", 1, false, false};
constexpr BoxRule kAngle{"initial angle", 3, true, false};
constexpr std::size_t kNameLongest = 25;
constexpr double kMaxAngle = 176.0;

std::size_t characters(const std::string& text)
{
    std::size_t count = 0;
    for (const char ch : text) {
        count += (static_cast<unsigned char>(ch) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string shown(const BoxRule& rule, const std::string& text, const std::string& why)
{
    return "the " + std::string(rule.name) + ", \"" + text + "\", " + why;
}

// Why the box would not keep the text; empty when it would.
std::string refusedBox(const BoxRule& rule, const std::string& text)
{
    // A lone minus reads as no number: the screen would not go on to the tables.
    if (text.empty() || text == "-") {
        return "the " + std::string(rule.name) + " is missing";
    }
    if (text.size() > rule.longest) {
        return shown(rule, text, "is longer than its box takes");
    }
    if (!IsNumericText(text, rule.allowMinus, rule.allowPoint)) {
        return shown(rule, text, "is not a number its box takes");
    }
    return {};
}

} // namespace

std::string RefusedEntry(const EntryBoxes& boxes)
{
    if (characters(boxes.name) > kNameLongest) {
        return "the name is longer than 25 characters";
    }
    const BoxRule* rules[] = {&kStroke, &kRod, &kOffset};
    const std::string* texts[] = {&boxes.stroke, &boxes.rod, &boxes.offset};
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::string why = refusedBox(*rules[i], *texts[i]); !why.empty()) {
            return why;
        }
    }
    EngineGeometry geometry;
    geometry.Stroke = static_cast<float>(ReadNumber(boxes.stroke));
    geometry.RodLength = static_cast<float>(ReadNumber(boxes.rod));
    geometry.PinOffset = static_cast<float>(ReadNumber(boxes.offset));
    if (const auto failure = ValidateGeometry(geometry)) {
        const auto box = static_cast<std::size_t>(failure->boxIndex);
        return shown(*rules[box], *texts[box], "is out of range: " + std::string(failure->message));
    }
    if (std::string why = refusedBox(kTables, boxes.tables); !why.empty()) {
        return why;
    }
    const int tables = ReadInt16(boxes.tables);
    if (tables < 1 || tables > 3) {
        return shown(kTables, boxes.tables, "is not 1, 2 or 3");
    }
    for (std::size_t t = 0; t < static_cast<std::size_t>(tables); ++t) {
        const std::string& angle = boxes.angles[t];
        if (std::string why = refusedBox(kAngle, angle); !why.empty()) {
            return why;
        }
        const double degrees = RoundHalfEven(ReadNumber(angle));
        if (degrees < 0.0 || degrees > kMaxAngle) {
            return shown(kAngle, angle, "is not from 0 to 176 degrees");
        }
    }
    return {};
}

} // namespace crank
