#pragma once

#include <QJsonObject>
#include <QString>
#include <span>
#include <string>
#include <vector>

namespace crank {

// A number as typed, as a file holds it: written with a point, in any locale,
// as JsonFields::number reads it back.
QString JsonNumber(const std::string& typed);

// Why a file's fields cannot be used, ready to follow the file's name: "is
// damaged: rows[3].windowHeight is not a number." Thrown by JsonFields at
// the first field that is missing or of the wrong kind, so that nothing half
// read is ever used.
struct FileFault {
    std::string problem;
};

// The fields of one group of a parsed JSON file, each named by its path from
// the top ("engine.stroke", "rows[3].windowHeight"; lists count from 1).
class JsonFields {
public:
    explicit JsonFields(QJsonObject object, std::string path = {});

    bool has(const char* name) const;
    // A group of fields.
    JsonFields group(const char* name) const;
    // A list of exactly `count` groups.
    std::vector<JsonFields> groups(const char* name, std::size_t count) const;
    // A text of at most `longest` characters.
    std::string text(const char* name, std::size_t longest) const;
    // A list of at most `most` texts of at most `longest` characters each.
    std::vector<std::string> texts(const char* name, std::size_t most, std::size_t longest) const;
    // A number as typed: empty, a number, or on its way to one ("-"),
    // written with a point.
    std::string number(const char* name) const;
    // Which of the names the field holds, by its place among them.
    int choice(const char* name, std::span<const char* const> names) const;
    // A whole number from least to most.
    int whole(const char* name, int least, int most) const;

private:
    QJsonValue field(const char* name) const;
    std::string pathOf(const char* name) const;
    [[noreturn]] void fault(const char* name, const std::string& what) const;

    QJsonObject m_object;
    std::string m_path;
};

} // namespace crank
