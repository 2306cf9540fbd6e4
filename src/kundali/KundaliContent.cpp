#include "KundaliContent.h"

namespace content {
std::string_view kundaliJson();
}

namespace kundalicontent {

namespace {

std::string textAt(const nlohmann::json &node)
{
    return node.is_string() ? node.get<std::string>() : std::string{};
}

const nlohmann::json &member(const nlohmann::json &node, std::string_view key)
{
    static const nlohmann::json none;
    if (!node.is_object())
        return none;
    const auto it = node.find(key);
    return it == node.end() ? none : *it;
}

} // namespace

const nlohmann::json &document()
{
    static const nlohmann::json doc = [] {
        const auto text = content::kundaliJson();
        auto parsed = nlohmann::json::parse(text.begin(), text.end(), nullptr, false);
        return parsed.is_discarded() ? nlohmann::json{} : parsed;
    }();
    return doc;
}

std::string kutaSignificance(int row)
{
    const auto &list = member(document(), "KutaSignificance");
    if (!list.is_array() || row < 0 || static_cast<std::size_t>(row) >= list.size())
        return {};
    return textAt(list[static_cast<std::size_t>(row)]);
}

std::string rashiProse(std::string_view sign, std::string_view field)
{
    return textAt(member(member(member(document(), "rashi"), sign), field));
}

std::string nakshatraProse(std::string_view nakshatra, std::string_view field)
{
    return textAt(member(member(member(document(), "nakshatra"), nakshatra), field));
}

std::string aboutBlock() { return textAt(member(document(), "aboutBlock")); }

std::string productParagraph() { return textAt(member(document(), "productParagraph")); }

} // namespace kundalicontent
