#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// The Kundali prose, carried in the program as content/kundali.json and parsed
// once on first use. A missing entry reads as an empty text.
namespace kundalicontent {

// The whole document (a null document when the embedded text does not parse).
const nlohmann::json &document();

// The significance text of kuta row 0..7 (Varna .. Nadi).
std::string kutaSignificance(int row);
// A prose field of a rashi ("Aries", "Looks") or of a nakshatra ("Ashwini", "Health").
std::string rashiProse(std::string_view sign, std::string_view field);
std::string nakshatraProse(std::string_view nakshatra, std::string_view field);
// The product paragraph of the About block, and the one closing the match report.
std::string aboutBlock();
std::string productParagraph();

} // namespace kundalicontent
