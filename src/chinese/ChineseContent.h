#pragma once

#include "VorlaineChineseCompatibility.h"

#include <map>
#include <string>
#include <vector>

// The prose of the Chinese tables, read once from the embedded content.
namespace VorlaineChineseCompatibility::detail {

struct SignProse {
    std::string positiveTraits;
    std::string negativeTraits;
    std::vector<FamousPerson> famous;
};

struct ChineseContent {
    std::map<std::string, SignProse, std::less<>> signs;
    std::map<std::string, std::string, std::less<>> elements;
    std::map<std::string, std::string, std::less<>> pairs;
};

const ChineseContent& chineseContent();

} // namespace VorlaineChineseCompatibility::detail
