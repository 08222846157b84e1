#include "platform/json_fields.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

#include "model/typed_number.h"

namespace crank {

QString JsonNumber(const std::string& typed)
{
    return QString::fromStdString(InStyle(typed, {"."}));
}

JsonFields::JsonFields(QJsonObject object, std::string path)
    : m_object(std::move(object)), m_path(std::move(path))
{
}

bool JsonFields::has(const char* name) const
{
    return m_object.contains(QLatin1String(name));
}

std::string JsonFields::pathOf(const char* name) const
{
    return m_path.empty() ? std::string(name) : m_path + "." + name;
}

void JsonFields::fault(const char* name, const std::string& what) const
{
    throw FileFault{"is damaged: " + pathOf(name) + " " + what + "."};
}

QJsonValue JsonFields::field(const char* name) const
{
    const QJsonValue value = m_object.value(QLatin1String(name));
    if (value.isUndefined()) {
        fault(name, "is missing");
    }
    return value;
}

JsonFields JsonFields::group(const char* name) const
{
    const QJsonValue value = field(name);
    if (!value.isObject()) {
        fault(name, "is not a group of fields");
    }
    return JsonFields(value.toObject(), pathOf(name));
}

std::vector<JsonFields> JsonFields::groups(const char* name, std::size_t count) const
{
    const QJsonValue value = field(name);
    const QJsonArray list = value.toArray();
    if (!value.isArray() || static_cast<std::size_t>(list.size()) != count) {
        fault(name, "is not a list of " + std::to_string(count));
    }
    std::vector<JsonFields> all;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const std::string item = pathOf(name) + "[" + std::to_string(i + 1) + "]";
        if (!list.at(i).isObject()) {
            throw FileFault{"is damaged: " + item + " is not a group of fields."};
        }
        all.emplace_back(list.at(i).toObject(), item);
    }
    return all;
}

std::string JsonFields::text(const char* name, std::size_t longest) const
{
    const QJsonValue value = field(name);
    if (!value.isString()) {
        fault(name, "is not a text");
    }
    if (static_cast<std::size_t>(value.toString().size()) > longest) {
        fault(name, "is longer than " + std::to_string(longest) + " characters");
    }
    return value.toString().toStdString();
}

std::vector<std::string> JsonFields::texts(const char* name, std::size_t most,
                                           std::size_t longest) const
{
    const QJsonValue value = field(name);
    const QJsonArray list = value.toArray();
    if (!value.isArray() || static_cast<std::size_t>(list.size()) > most) {
        fault(name, "is not a list of at most " + std::to_string(most) + " texts");
    }
    std::vector<std::string> all;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonValue item = list.at(i);
        if (!item.isString() || static_cast<std::size_t>(item.toString().size()) > longest) {
            throw FileFault{"is damaged: " + pathOf(name) + "[" + std::to_string(i + 1) +
                            "] is not a text of at most " + std::to_string(longest) +
                            " characters."};
        }
        all.push_back(item.toString().toStdString());
    }
    return all;
}

std::string JsonFields::number(const char* name) const
{
    constexpr std::size_t kLongest = 16;
    const QJsonValue value = field(name);
    if (!value.isString() || static_cast<std::size_t>(value.toString().size()) > kLongest ||
        ClassifyTyped(value.toString().toStdString(), {"."}, true) == TypedNumber::Refused) {
        fault(name, "is not a number");
    }
    return InStyle(value.toString().toStdString(), {"."});
}

int JsonFields::choice(const char* name, std::span<const char* const> names) const
{
    const std::string chosen = text(name, 40);
    const auto found = std::ranges::find(names, chosen);
    if (found == names.end()) {
        fault(name, "is \"" + chosen + "\", which is none of its choices");
    }
    return static_cast<int>(found - names.begin());
}

int JsonFields::whole(const char* name, int least, int most) const
{
    const QJsonValue value = field(name);
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < least || number > most) {
        fault(name, "is not a whole number from " + std::to_string(least) + " to " +
                        std::to_string(most));
    }
    return static_cast<int>(number);
}

} // namespace crank
