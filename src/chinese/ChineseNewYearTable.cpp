#include "VorlaineChineseCompatibility.h"

#include "SignNames.h"

#include <cstddef>

namespace VorlaineChineseCompatibility {

namespace {

using namespace std::chrono;

struct Span {
    Date start;
    Date end;
};

// First and last day of each Chinese year, row k beginning in 1936 + k. The
// first row starts on 1 January 1936, the earliest date the input offers.
constexpr std::array<Span, NewYearRowCount> Spans = {{
    {1936y / January / 1, 1937y / February / 10},
    {1937y / February / 11, 1938y / January / 30},
    {1938y / January / 31, 1939y / February / 18},
    {1939y / February / 19, 1940y / February / 7},
    {1940y / February / 8, 1941y / January / 26},
    {1941y / January / 27, 1942y / February / 14},
    {1942y / February / 15, 1943y / February / 4},
    {1943y / February / 5, 1944y / January / 24},
    {1944y / January / 25, 1945y / February / 12},
    {1945y / February / 13, 1946y / February / 1},
    {1946y / February / 2, 1947y / January / 21},
    {1947y / January / 22, 1948y / February / 9},
    {1948y / February / 10, 1949y / January / 28},
    {1949y / January / 29, 1950y / February / 16},
    {1950y / February / 17, 1951y / February / 5},
    {1951y / February / 6, 1952y / January / 26},
    {1952y / January / 27, 1953y / February / 13},
    {1953y / February / 14, 1954y / February / 2},
    {1954y / February / 3, 1955y / January / 23},
    {1955y / January / 24, 1956y / February / 11},
    {1956y / February / 12, 1957y / January / 30},
    {1957y / January / 31, 1958y / February / 17},
    {1958y / February / 18, 1959y / February / 7},
    {1959y / February / 8, 1960y / January / 27},
    {1960y / January / 28, 1961y / February / 14},
    {1961y / February / 15, 1962y / February / 4},
    {1962y / February / 5, 1963y / January / 24},
    {1963y / January / 25, 1964y / February / 12},
    {1964y / February / 13, 1965y / February / 1},
    {1965y / February / 2, 1966y / January / 20},
    {1966y / January / 21, 1967y / February / 8},
    {1967y / February / 9, 1968y / January / 29},
    {1968y / January / 30, 1969y / February / 16},
    {1969y / February / 17, 1970y / February / 5},
    {1970y / February / 6, 1971y / January / 26},
    {1971y / January / 27, 1972y / February / 14},
    {1972y / February / 15, 1973y / February / 2},
    {1973y / February / 3, 1974y / January / 22},
    {1974y / January / 23, 1975y / February / 10},
    {1975y / February / 11, 1976y / January / 30},
    {1976y / January / 31, 1977y / February / 17},
    {1977y / February / 18, 1978y / February / 6},
    {1978y / February / 7, 1979y / January / 27},
    {1979y / January / 28, 1980y / February / 15},
    {1980y / February / 16, 1981y / February / 4},
    {1981y / February / 5, 1982y / January / 24},
    {1982y / January / 25, 1983y / February / 12},
    {1983y / February / 13, 1984y / February / 1},
    {1984y / February / 2, 1985y / February / 19},
    {1985y / February / 20, 1986y / February / 8},
    {1986y / February / 9, 1987y / January / 28},
    {1987y / January / 29, 1988y / February / 16},
    {1988y / February / 17, 1989y / February / 5},
    {1989y / February / 6, 1990y / January / 26},
    {1990y / January / 27, 1991y / February / 14},
    {1991y / February / 15, 1992y / February / 3},
    {1992y / February / 4, 1993y / January / 22},
    {1993y / January / 23, 1994y / February / 9},
    {1994y / February / 10, 1995y / January / 30},
    {1995y / January / 31, 1996y / February / 18},
    {1996y / February / 19, 1997y / February / 6},
    {1997y / February / 7, 1998y / January / 27},
    {1998y / January / 28, 1999y / February / 15},
    {1999y / February / 16, 2000y / February / 4},
    {2000y / February / 5, 2001y / January / 23},
    {2001y / January / 24, 2002y / February / 11},
    {2002y / February / 12, 2003y / January / 31},
    {2003y / February / 1, 2004y / January / 21},
    {2004y / January / 22, 2005y / February / 8},
    {2005y / February / 9, 2006y / January / 28},
    {2006y / January / 29, 2007y / February / 17},
    {2007y / February / 18, 2008y / February / 6},
    {2008y / February / 7, 2009y / January / 25},
    {2009y / January / 26, 2010y / February / 13},
    {2010y / February / 14, 2011y / February / 2},
    {2011y / February / 3, 2012y / January / 22},
    {2012y / January / 23, 2013y / February / 9},
    {2013y / February / 10, 2014y / January / 30},
    {2014y / January / 31, 2015y / February / 18},
    {2015y / February / 19, 2016y / February / 7},
    {2016y / February / 8, 2017y / January / 27},
    {2017y / January / 28, 2018y / February / 15},
    {2018y / February / 16, 2019y / February / 4},
    {2019y / February / 5, 2020y / January / 24},
}};

std::array<NewYearRow, NewYearRowCount> buildTable()
{
    std::array<NewYearRow, NewYearRowCount> rows{};
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k] = {Spans[k].start, Spans[k].end, Animals[k % Animals.size()],
                   YearElements[k % YearElements.size()]};
    return rows;
}

const NewYearRow* rowHolding(const Date& date)
{
    if (!date.ok())
        return nullptr;
    const sys_days day{date};
    for (const auto& row : NewYearTable())
        if (sys_days{row.start} <= day && day <= sys_days{row.end})
            return &row;
    return nullptr;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view nextWord(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const std::size_t begin = pos;
    while (pos < text.size() && text[pos] != ' ')
        ++pos;
    return text.substr(begin, pos - begin);
}

std::optional<int> digitsValue(std::string_view word, std::size_t minLength, std::size_t maxLength)
{
    if (word.size() < minLength || word.size() > maxLength)
        return std::nullopt;
    int value = 0;
    for (char c : word) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

int AnimalIndex(std::string_view name)
{
    for (std::size_t i = 0; i < Animals.size(); ++i)
        if (Animals[i] == name)
            return static_cast<int>(i);
    return -1;
}

const std::array<NewYearRow, NewYearRowCount>& NewYearTable()
{
    static const std::array<NewYearRow, NewYearRowCount> table = buildTable();
    return table;
}

std::optional<Date> ReadDateText(std::string_view text)
{
    std::size_t pos = 0;
    const auto dayWord = nextWord(text, pos);
    const auto monthWord = nextWord(text, pos);
    const auto yearWord = nextWord(text, pos);
    if (!nextWord(text, pos).empty())
        return std::nullopt;

    const auto day = digitsValue(dayWord, 1, 2);
    const int month = signs::monthNumber(monthWord);
    const auto year = digitsValue(yearWord, 4, 4);
    if (!day || month == 0 || !year)
        return std::nullopt;

    const Date date{std::chrono::year{*year}, std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string GetChineseSign(const Date& birthDate)
{
    State& s = state();
    if (const NewYearRow* row = rowHolding(birthDate))
        s.LastChineseSign = std::string(row->animal);
    return s.LastChineseSign;
}

std::string GetChineseElement(const Date& birthDate)
{
    State& s = state();
    if (const NewYearRow* row = rowHolding(birthDate))
        s.LastChineseElement = std::string(row->element);
    return s.LastChineseElement;
}

} // namespace VorlaineChineseCompatibility
