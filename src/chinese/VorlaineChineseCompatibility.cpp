#include "VorlaineChineseCompatibility.h"

#include "ChineseContent.h"

#include <nlohmann/json.hpp>

namespace VorlaineChineseCompatibility {

State& state()
{
    static State s;
    return s;
}

namespace detail {

namespace {

std::string stringAt(const nlohmann::json& object, const char* key)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string{};
}

ChineseContent parse()
{
    ChineseContent out;
    const auto doc = nlohmann::json::parse(content::chineseJson(), nullptr, false);
    if (!doc.is_object())
        return out;

    if (const auto signs = doc.find("signs"); signs != doc.end() && signs->is_object()) {
        for (const auto& [animal, entry] : signs->items()) {
            if (!entry.is_object())
                continue;
            SignProse prose;
            prose.positiveTraits = stringAt(entry, "PositiveTraits");
            prose.negativeTraits = stringAt(entry, "NegativeTraits");
            if (const auto famous = entry.find("famous"); famous != entry.end() && famous->is_array())
                for (const auto& person : *famous)
                    if (person.is_object())
                        prose.famous.push_back({stringAt(person, "name"), stringAt(person, "born")});
            out.signs.emplace(animal, std::move(prose));
        }
    }
    for (const char* section : {"elements", "pairs"}) {
        auto& target = std::string_view(section) == "elements" ? out.elements : out.pairs;
        if (const auto texts = doc.find(section); texts != doc.end() && texts->is_object())
            for (const auto& [key, value] : texts->items())
                if (value.is_string())
                    target.emplace(key, value.get<std::string>());
    }
    return out;
}

} // namespace

const ChineseContent& chineseContent()
{
    static const ChineseContent parsed = parse();
    return parsed;
}

} // namespace detail

} // namespace VorlaineChineseCompatibility
