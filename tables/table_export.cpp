#include "tables/table_export.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "tables/table_builder.h"

namespace crank {
namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::vector<Record> tableRecords(const DisplayView& c)
{
    std::vector<Record> out;
    for (const SummaryLine& line : EngineSummaryLines(c.engine)) {
        out.push_back({line.label, trimmed(line.value)});
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

// A number as the cells and captions show it: "-0.5", "31.73", "176".
bool isNumber(std::string_view field)
{
    if (!field.empty() && field.front() == '-') {
        field.remove_prefix(1);
    }
    const auto point = field.find('.');
    const auto digits = [](std::string_view part) {
        return !part.empty() &&
               std::ranges::all_of(part, [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    return point == std::string_view::npos
               ? digits(field)
               : digits(field.substr(0, point)) && digits(field.substr(point + 1));
}

std::string csvField(const std::string& field, char separator)
{
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (field.find_first_of(special) == std::string::npos) {
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

std::string RecordsAsTsv(const std::vector<Record>& records)
{
    return join(records, '\t', "\n", tsvField);
}

std::string TablesAsTsv(const DisplayView& content)
{
    return RecordsAsTsv(tableRecords(content));
}

std::string TablesAsCsv(const DisplayView& content, CsvDialect dialect)
{
    return RecordsAsCsv(tableRecords(content), dialect, ".");
}

std::string RecordsAsCsv(std::vector<Record> records, CsvDialect dialect,
                         std::string_view recordsDecimal)
{
    const char decimal = dialect == CsvDialect::CommaDecimalPoint ? '.' : ',';
    const char separator = dialect == CsvDialect::CommaDecimalPoint ? ',' : ';';
    // The first record holds the engine's name, which is text even when it
    // looks like a number.
    for (std::size_t i = 1; i < records.size(); ++i) {
        for (std::string& field : records[i]) {
            // A decimal separator may take more than one byte.
            std::string plain = field;
            if (const auto at = field.find(recordsDecimal);
                !recordsDecimal.empty() && at != std::string::npos) {
                plain = field.substr(0, at) + '.' + field.substr(at + recordsDecimal.size());
            }
            if (isNumber(plain)) {
                std::ranges::replace(plain, '.', decimal);
                field = plain;
            }
        }
    }
    return join(records, separator, "\r\n",
                [separator](const std::string& f) { return csvField(f, separator); });
}

} // namespace crank
