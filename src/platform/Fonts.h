#pragma once

namespace platform {
// The windows name the fonts they were designed with; where the system lacks
// them, the nearest installed sans-serif stands in.
void installFontSubstitutes();
} // namespace platform
