#include "ports/baseline.h"

#include "entry/validation.h"
#include "model/crank_slider.h"
#include "model/numeric_text.h"

namespace crank {

std::string EngineText(const EntryTexts& typed)
{
    return (typed.name.empty() ? std::string("an unnamed engine") : typed.name) + " (stroke " +
           typed.stroke + " mm, rod " + typed.rod + " mm, offset " + typed.offset + " mm)";
}

std::string BaselineLabel(const BaselineSource& source)
{
    if (source.file.empty()) {
        return "before: kept " + source.when;
    }
    return "before: " + source.file + ", saved " + source.when;
}

TypedEngine EngineOfTexts(const EntryTexts& typed)
{
    EngineSnapshot engine{typed, {}, {}};
    EngineGeometry& geometry = engine.geometry;
    geometry.Stroke = static_cast<float>(ReadNumber(typed.stroke));
    geometry.RodLength = static_cast<float>(ReadNumber(typed.rod));
    geometry.PinOffset = static_cast<float>(ReadNumber(typed.offset));
    geometry.OffsetNonZero = geometry.PinOffset != 0.0f;
    if (const auto failure = ValidateGeometry(geometry)) {
        return {std::nullopt, std::string(failure->message)};
    }
    CalcGeometry(geometry, engine.model);
    return {engine, {}};
}

} // namespace crank
