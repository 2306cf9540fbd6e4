#pragma once

#include "NotBuiltWindow.h"

class frmmainChinese : public NotBuiltWindow<InputWindow> {
public:
    static constexpr const char* FormName = "frmmainChinese";
    frmmainChinese() : NotBuiltWindow(FormName, QStringLiteral("Vorlaine Chinese Zodiac Compatibility"), 9000, 6000) {}
};
