// One full engine run per person for each instance: ascendant, Moon with dasha
// and topocentric Moon, and (tropical instances) the planets and nodes.
#include "Engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using engine::BirthRecord;
using engine::Int16;

struct Person {
    BirthRecord birth;
    Int16 zoneHoursValue, zoneMinutesValue;
    const char* monthName;
};

const char* const MonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};

// Births spread over the callers' years, places and zones.
std::array<Person, 16> people()
{
    std::array<Person, 16> list{};
    for (int i = 0; i < 16; ++i) {
        BirthRecord b;
        b.Year = static_cast<Int16>(1901 + i * 9);
        b.Month = static_cast<Int16>(1 + (i * 5) % 12);
        b.Day = static_cast<Int16>(1 + (i * 7) % 28);
        b.Hour = static_cast<Int16>((i * 5) % 24);
        b.Minute = static_cast<Int16>((i * 13) % 60);
        b.ZoneHours = static_cast<Int16>(i % 11);
        b.ZoneMinutes = static_cast<Int16>(i % 3 == 0 ? 30 : 0);
        b.LongitudeDegrees = static_cast<Int16>((i * 23) % 180);
        b.LongitudeMinutes = static_cast<Int16>((i * 17) % 60);
        b.LatitudeDegrees = static_cast<Int16>((i * 11) % 66);
        b.LatitudeMinutes = static_cast<Int16>((i * 29) % 60);
        b.IsEast = static_cast<Int16>(i % 2 == 0 ? -1 : 0);
        b.IsSouth = static_cast<Int16>(i % 5 == 0 ? -1 : 0);
        b.IsDaylightSaving = static_cast<Int16>(i % 4 == 0 ? -1 : 0);
        const int sign = b.IsEast ? -1 : 1;
        list[static_cast<std::size_t>(i)] = Person{b, static_cast<Int16>(sign * b.ZoneHours),
                                                   static_cast<Int16>(sign * b.ZoneMinutes), MonthNames[b.Month - 1]};
    }
    return list;
}

struct Lists : engine::MoonSignWindowLists {
    const Person* person = nullptr;
    std::string cboMMonth() override { return person->monthName; }
    std::string cboMDate() override { return std::to_string(person->birth.Day); }
    std::string cboMYear() override { return std::to_string(person->birth.Year); }
    std::string cboMHH() override { return std::to_string(person->birth.Hour); }
    std::string cboMMM() override { return std::to_string(person->birth.Minute); }
    std::string cboFMonth() override { return cboMMonth(); }
    std::string cboFDate() override { return cboMDate(); }
    std::string cboFYear() override { return cboMYear(); }
    std::string cboFHH() override { return cboMHH(); }
    std::string cboFMM() override { return cboMMM(); }
};

void SiderealPerson(benchmark::State& state)
{
    const auto list = people();
    auto& e = engine::modEphemeris();
    std::size_t i = 0;
    for (auto _ : state) {
        e.BirthData = list[i++ % list.size()].birth;
        e.CalculateAscendant();
        e.CalculateMoonAndDasha();
        benchmark::DoNotOptimize(e.MoonRashi.data());
        benchmark::DoNotOptimize(e.MoonNakshatra.data());
    }
}
BENCHMARK(SiderealPerson);

void PlanetaryPerson(benchmark::State& state)
{
    const auto list = people();
    auto& planets = engine::modPlanetPosition_Western();
    auto& moon = engine::modEphemeris_Western();
    std::size_t i = 0;
    for (auto _ : state) {
        const Person& p = list[i % list.size()];
        Int16 first = static_cast<Int16>(i++ % 2 == 0 ? -1 : 0);
        planets.BirthData = p.birth;
        planets.ZoneHoursValue = p.zoneHoursValue;
        planets.ZoneMinutesValue = p.zoneMinutesValue;
        planets.CalculateAscendant();
        moon.CalculateMoonAndDasha();
        planets.CalculatePlanetPositions(first);
        benchmark::DoNotOptimize(planets.MalePositions[1].data());
        benchmark::DoNotOptimize(planets.FemalePositions[1].data());
    }
}
BENCHMARK(PlanetaryPerson);

void MoonSignPerson(benchmark::State& state)
{
    const auto list = people();
    Lists lists;
    auto& planets = engine::modWesternPlanetPosition();
    auto& moon = engine::modWesternEphemeris();
    planets.setWindowLists(&lists);
    std::size_t i = 0;
    for (auto _ : state) {
        const Person& p = list[i++ % list.size()];
        lists.person = &p;
        engine::modMoonSignWestern::IsMaleChart = -1;
        planets.BirthData = p.birth;
        planets.ZoneHoursValue = p.zoneHoursValue;
        planets.ZoneMinutesValue = p.zoneMinutesValue;
        planets.CalculateAscendant();
        moon.CalculateMoonAndDasha();
        planets.CalculatePlanetPositions();
        benchmark::DoNotOptimize(planets.PlanetPositions[1].data());
    }
    planets.setWindowLists(nullptr);
}
BENCHMARK(MoonSignPerson);

}  // namespace
