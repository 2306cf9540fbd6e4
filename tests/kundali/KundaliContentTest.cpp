// Structure of content/kundali.json: every key, counts, lengths and layouts
// the Kundali windows and reports rely on.
#include "KundaliContent.h"
#include "modNakshatraInformation.h"
#include "modVedicCompatibility.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

const json &doc() { return kundalicontent::document(); }

const std::vector<std::string> Signs = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct Field {
    std::string name;
    std::size_t min, max;
};

const std::vector<Field> RashiFields = {
    {"Looks", 117, 244}, {"Nature", 515, 883}, {"Career And Finance", 126, 282},
    {"Love And Domestic Life", 140, 324}, {"Health", 81, 166}};

const std::vector<Field> NakshatraFields = {
    {"General And Physical Features", 253, 753}, {"Positive Human Traits", 254, 1197},
    {"Negative Human Traits", 290, 862}, {"Best Career Options", 83, 387},
    {"Domestic Life", 37, 343}, {"Health", 44, 291}};

// Paragraph pieces of a text split at each CR LF.
std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find("\r\n", start);
        out.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return out;
        start = at + 2;
    }
}

// Line breaks are CR LF pairs only; no stray CR or LF, no leading or trailing blank.
void expectCleanText(const std::string &text, const std::string &where)
{
    SCOPED_TRACE(where);
    EXPECT_FALSE(text.empty());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "CR without LF at " << i;
        }
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "LF without CR at " << i;
        }
        EXPECT_NE(text[i], '\t');
    }
    if (!text.empty()) {
        EXPECT_FALSE(std::isspace(static_cast<unsigned char>(text.front())));
        EXPECT_FALSE(std::isspace(static_cast<unsigned char>(text.back())));
    }
}

void expectSingleParagraph(const std::string &text, const std::string &where)
{
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << where << " must be one paragraph";
}

void expectLength(const std::string &text, std::size_t min, std::size_t max, const std::string &where)
{
    EXPECT_GE(text.size(), min) << where;
    EXPECT_LE(text.size(), max) << where;
}

// Sentences end in ".", "!" or "?" followed by a blank or the end of the text.
int sentenceCount(const std::string &text)
{
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((text[i] == '.' || text[i] == '!' || text[i] == '?') && (i + 1 == text.size() || text[i + 1] == ' '))
            ++n;
    return n;
}

std::string kuta(int r)
{
    const auto &list = doc().value("KutaSignificance", json::array());
    return list.is_array() && list.size() > static_cast<std::size_t>(r) && list[static_cast<std::size_t>(r)].is_string()
               ? list[static_cast<std::size_t>(r)].get<std::string>()
               : std::string{};
}

std::string lower(std::string s)
{
    for (auto &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(KundaliContent, TopLevelKeys)
{
    ASSERT_TRUE(doc().is_object()) << "content/kundali.json does not parse";
    std::set<std::string> keys;
    for (const auto &[k, v] : doc().items())
        keys.insert(k);
    EXPECT_EQ(keys, (std::set<std::string>{"KutaSignificance", "rashi", "nakshatra", "aboutBlock", "productParagraph"}));
    EXPECT_TRUE(doc()["KutaSignificance"].is_array());
    EXPECT_TRUE(doc()["rashi"].is_object());
    EXPECT_TRUE(doc()["nakshatra"].is_object());
    EXPECT_TRUE(doc()["aboutBlock"].is_string());
    EXPECT_TRUE(doc()["productParagraph"].is_string());
}

TEST(KundaliContent, KutaSignificanceLengthsAndParagraphs)
{
    ASSERT_TRUE(doc().contains("KutaSignificance"));
    ASSERT_EQ(doc()["KutaSignificance"].size(), 8u);
    for (int r = 0; r < 8; ++r) {
        const auto text = kuta(r);
        const std::string where = "significance of " + std::string(modVedicCompatibility::KutaNames[static_cast<std::size_t>(r)]);
        expectCleanText(text, where);
        expectLength(text, 966, 1435, where);
        if (r != 1 && r != 4 && r != 7)
            expectSingleParagraph(text, where);
        // Each text is about its own kuta.
        EXPECT_TRUE(text.starts_with(std::string(modVedicCompatibility::KutaNames[static_cast<std::size_t>(r)])))
            << where << " opens with " << text.substr(0, 30);
    }
    EXPECT_TRUE(kuta(0).starts_with("Varna Kuta is the technique that is concerned with the spiritual and the "
                                    "individual ego development of the couple or potential business partners."));
}

TEST(KundaliContent, VasyaLayout)
{
    const auto pieces = lines(kuta(1));
    // paragraph, five group lines, paragraph, with an empty line between each.
    ASSERT_EQ(pieces.size(), 13u);
    const char *groups[5] = {"quadruped", "human", "water", "wild", "insect"};
    const std::regex groupLine(R"(^[A-Z][A-Za-z]*( [A-Za-z]+)* Sign - \S.*$)");
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i % 2 == 1) {
            EXPECT_TRUE(pieces[i].empty()) << "piece " << i << " should be an empty line";
            continue;
        }
        EXPECT_FALSE(pieces[i].empty()) << "piece " << i;
        if (i >= 2 && i <= 10) {
            EXPECT_TRUE(std::regex_match(pieces[i], groupLine)) << pieces[i];
            const auto head = lower(pieces[i].substr(0, pieces[i].find(" Sign - ")));
            EXPECT_NE(head.find(groups[i / 2 - 1]), std::string::npos) << pieces[i];
        }
    }
}

TEST(KundaliContent, MaitriLayout)
{
    const auto pieces = lines(kuta(4));
    ASSERT_EQ(pieces.size(), 2u) << "two paragraphs separated by a single line break";
    EXPECT_FALSE(pieces[0].empty());
    EXPECT_FALSE(pieces[1].empty());
}

TEST(KundaliContent, NadiLayout)
{
    const auto pieces = lines(kuta(7));
    ASSERT_EQ(pieces.size(), 9u);
    const char *heads[3] = {"Vatha - ", "Pittha - ", "Kapha - "};
    const char *nadi[3] = {"Vatha/Adi", "Pitha/Madhya", "Sleshma/Anthya"};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i % 2 == 1) {
            EXPECT_TRUE(pieces[i].empty()) << "piece " << i << " should be an empty line";
            continue;
        }
        EXPECT_FALSE(pieces[i].empty());
        if (i >= 2 && i <= 6) {
            const auto k = i / 2 - 1;
            EXPECT_TRUE(pieces[i].starts_with(heads[k])) << pieces[i];
            // The line names the nine nakshatras of its nadi, spelled as the tables spell them.
            for (auto n : modVedicCompatibility::NakshatraNames) {
                std::string name(n);
                if (modVedicCompatibility::NakshatraToNadi(name) == nadi[k]) {
                    EXPECT_NE(pieces[i].find(std::string(n)), std::string::npos) << n << " missing from " << heads[k];
                }
            }
        }
    }
}

TEST(KundaliContent, RashiProse)
{
    const auto &rashi = doc().value("rashi", json::object());
    ASSERT_EQ(rashi.size(), 12u);
    std::set<std::string> seen;
    for (const auto &sign : Signs) {
        ASSERT_TRUE(rashi.contains(sign)) << sign;
        EXPECT_EQ(rashi[sign].size(), RashiFields.size()) << sign;
        for (const auto &f : RashiFields) {
            const std::string where = sign + " / " + f.name;
            ASSERT_TRUE(rashi[sign].contains(f.name) && rashi[sign][f.name].is_string()) << where;
            const auto text = rashi[sign][f.name].get<std::string>();
            expectCleanText(text, where);
            expectSingleParagraph(text, where);
            expectLength(text, f.min, f.max, where);
            EXPECT_TRUE(seen.insert(text).second) << where << " repeats another text";
        }
    }
    // The shortest of them, as the program has always shown it.
    EXPECT_EQ(kundalicontent::rashiProse("Virgo", "Health"),
              "Your intestine and liver may give you some problems. Else you enjoy sound health.");
}

TEST(KundaliContent, NakshatraProse)
{
    const auto &nak = doc().value("nakshatra", json::object());
    ASSERT_EQ(nak.size(), 27u);
    std::set<std::string> seen;
    for (auto n : modVedicCompatibility::NakshatraNames) {
        const std::string name(n);
        ASSERT_TRUE(nak.contains(name)) << name;
        EXPECT_EQ(nak[name].size(), NakshatraFields.size()) << name;
        for (const auto &f : NakshatraFields) {
            const std::string where = name + " / " + f.name;
            ASSERT_TRUE(nak[name].contains(f.name) && nak[name][f.name].is_string()) << where;
            const auto text = nak[name][f.name].get<std::string>();
            expectCleanText(text, where);
            expectLength(text, f.min, f.max, where);
            EXPECT_TRUE(seen.insert(text).second) << where << " repeats another text";
            if (name == "Vishakha" && f.name == "Positive Human Traits") {
                const auto pieces = lines(text);
                ASSERT_EQ(pieces.size(), 3u) << "two paragraphs separated by an empty line";
                EXPECT_FALSE(pieces[0].empty());
                EXPECT_TRUE(pieces[1].empty());
                EXPECT_FALSE(pieces[2].empty());
            } else {
                expectSingleParagraph(text, where);
            }
        }
        // The description gives the nakshatra's extent in degrees.
        const auto features = nak[name].value("General And Physical Features", std::string{});
        EXPECT_TRUE(features.find("\xC2\xB0") != std::string::npos || features.find("degree") != std::string::npos)
            << name << ": General And Physical Features gives no extent in degrees";
    }
    EXPECT_EQ(kundalicontent::nakshatraProse("Ashlesha", "Domestic Life"), "Family responsibilities will be high.");
}

TEST(KundaliContent, AboutBlock)
{
    const auto text = kundalicontent::aboutBlock();
    expectCleanText(text, "aboutBlock");
    expectSingleParagraph(text, "aboutBlock");
    expectLength(text, 680, 840, "aboutBlock"); // about 760
    const auto l = lower(text);
    for (const char *word : {"vedic", "ashta kuta", "36", "guna", "rashi", "nakshatra"})
        EXPECT_NE(l.find(word), std::string::npos) << "aboutBlock does not mention " << word;
}

TEST(KundaliContent, ProductParagraph)
{
    const auto text = kundalicontent::productParagraph();
    expectCleanText(text, "productParagraph");
    expectSingleParagraph(text, "productParagraph");
    expectLength(text, 650, 810, "productParagraph"); // about 730
    EXPECT_EQ(sentenceCount(text), 6);
    // The first sentence names the product as the closing heading does, without its version.
    const auto firstSentence = text.substr(0, text.find(". "));
    EXPECT_NE(firstSentence.find("Vorlaine Free Astrology Kundali Match Software"), std::string::npos) << firstSentence;
    const auto l = lower(text);
    for (const char *word : {"vedic", "ashta kuta", "36", "guna", "heaven", "rashi", "nakshatra"})
        EXPECT_NE(l.find(word), std::string::npos) << "productParagraph does not mention " << word;
    EXPECT_NE(text, kundalicontent::aboutBlock());
}

} // namespace
