#pragma once

#include "frmVedicResult.h"
#include "modVedicCompatibility.h"

#include "Forms.h"

#include <string>

// The eight kutas of a pair, as the input window's calculation runs them.
inline void RunAllKutas(const std::string& boySign, const std::string& girlSign, const std::string& boyNakshatra,
                        const std::string& girlNakshatra)
{
    namespace vc = modVedicCompatibility;
    vc::ComputeVarnaKuta(boySign, girlSign);
    vc::ComputeVasyaKuta(boySign, girlSign);
    vc::ComputeMaitriKuta(boySign, girlSign);
    vc::ComputeRashiKuta(boySign, girlSign);
    vc::ComputeTaraKuta(boyNakshatra, girlNakshatra);
    vc::ComputeGanaKuta(boyNakshatra, girlNakshatra);
    vc::ComputeNadiKuta(boyNakshatra, girlNakshatra);
    vc::ComputeYoniKuta(boyNakshatra, girlNakshatra);
}

// A match from its kuta step on, as the input window's calculation runs it:
// the classes and points, the four information pages (boy first), the
// summary lists and the 44 score cells of the result window.
inline frmVedicResult& FillKundaliMatch(const std::string& boySign, const std::string& girlSign,
                                        const std::string& boyNakshatra, const std::string& girlNakshatra)
{
    namespace vc = modVedicCompatibility;
    auto& s = vc::state();
    s.BoyMoonSign = boySign;
    s.GirlMoonSign = girlSign;
    s.BoyNakshatra = boyNakshatra;
    s.GirlNakshatra = girlNakshatra;
    RunAllKutas(boySign, girlSign, boyNakshatra, girlNakshatra);
    ShowRashiInformation(KundaliPerson::Boy, boySign);
    ShowRashiInformation(KundaliPerson::Girl, girlSign);
    ShowNakshatraInformation(KundaliPerson::Boy, boyNakshatra);
    ShowNakshatraInformation(KundaliPerson::Girl, girlNakshatra);
    vc::BuildKutaSummary();
    ShowKutaScoreTable();
    return forms::get<frmVedicResult>();
}
