#include "AstroContent.h"

#include <nlohmann/json.hpp>

#include <cstddef>

namespace astro {

const std::vector<std::string>& ExplanatoryParagraphs()
{
    static const std::vector<std::string> paragraphs = [] {
        std::vector<std::string> out;
        const auto doc = nlohmann::json::parse(content::astroJson(), nullptr, false);
        if (!doc.is_object())
            return out;
        const auto list = doc.find("paragraphs");
        if (list == doc.end() || !list->is_array())
            return out;
        for (const auto& item : *list)
            out.push_back(item.is_string() ? item.get<std::string>() : std::string{});
        return out;
    }();
    return paragraphs;
}

std::string ExplanatoryParagraph(int index)
{
    const auto& paragraphs = ExplanatoryParagraphs();
    if (index < 0 || static_cast<std::size_t>(index) >= paragraphs.size())
        return {};
    return paragraphs[static_cast<std::size_t>(index)];
}

} // namespace astro
