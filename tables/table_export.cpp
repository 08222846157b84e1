#include "tables/table_export.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace crank {
namespace {

using Record = std::vector<std::string>;

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// "Stroke (mm): 46" -> {"Stroke (mm):", "46"}; a caption without a colon
// stays one field.
Record summaryRecord(std::string_view caption)
{
    const auto colon = caption.find(':');
    if (colon == std::string_view::npos) {
        return {trimmed(caption)};
    }
    return {trimmed(caption.substr(0, colon + 1)), trimmed(caption.substr(colon + 1))};
}

std::vector<Record> records(const DisplayView& c)
{
    std::vector<Record> out;
    out.push_back(summaryRecord(c.engineCaption));
    out.push_back(summaryRecord(c.strokeCaption));
    out.push_back(summaryRecord(c.rodCaption));
    out.push_back(summaryRecord(c.offsetCaption));
    if (c.OffsetNonZero) {
        out.push_back(summaryRecord(c.bdcCaption));
    }
    const int tables = std::clamp<int>(c.NumTables, 0, kMaxTables);
    for (int t = 1; t <= tables; ++t) {
        out.push_back({}); // empty line before each table
        if (c.OffsetNonZero) {
            out.push_back({"Angle (deg)", "Displacement (mm) BTDC", "Displacement (mm) ATDC"});
        } else {
            out.push_back({"Angle (deg)", "Displacement (mm)"});
        }
        for (int r = 0; r < kRowsPerTable; ++r) {
            if (c.OffsetNonZero) {
                out.push_back({c.angleTexts[t][r], c.dispBTexts[t][r], c.dispATexts[t][r]});
            } else {
                out.push_back({c.angleTexts[t][r], c.dispBTexts[t][r]});
            }
        }
    }
    return out;
}

std::string tsvField(std::string field)
{
    std::replace_if(
        field.begin(), field.end(), [](char ch) { return ch == '\t' || ch == '\r' || ch == '\n'; },
        ' ');
    return field;
}

std::string csvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char ch : field) {
        if (ch == '"') {
            quoted += '"';
        }
        quoted += ch;
    }
    return quoted + '"';
}

template <typename Escape>
std::string join(const std::vector<Record>& recs, char separator, std::string_view eol,
                 Escape escape)
{
    std::string text;
    for (const Record& rec : recs) {
        for (std::size_t i = 0; i < rec.size(); ++i) {
            if (i > 0) {
                text += separator;
            }
            text += escape(rec[i]);
        }
        text += eol;
    }
    return text;
}

} // namespace

std::string TablesAsTsv(const DisplayView& content)
{
    return join(records(content), '\t', "\n", tsvField);
}

std::string TablesAsCsv(const DisplayView& content)
{
    return join(records(content), ',', "\r\n", csvField);
}

} // namespace crank
