#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace content {
std::string_view astroJson();
}

// Prose of the natal-positions window.
namespace astro {

inline constexpr int ExplanatoryParagraphCount = 3;

// The three paragraphs of the "Compatibility:" frame, in the order shown:
// a planet's power, Power and Harmony, how the percentage is derived.
const std::vector<std::string>& ExplanatoryParagraphs();

// Paragraph 0..2, or the empty text for any other index.
std::string ExplanatoryParagraph(int index);

} // namespace astro
