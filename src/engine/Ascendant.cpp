// Ascendant and midheaven, with their own sidereal time and time counted
// from 1900.
#include "Engine.h"
#include "EngineDetail.h"

#include <cmath>

namespace engine {

double Normalize360(double& angle)
{
    if (angle < 0) angle = angle + 360;
    if (angle > 360) angle = angle - 360;
    return angle;
}

std::string FormatDegrees(double& angle)
{
    const double sign = angle < 0 ? -1.0 : 1.0;
    angle = std::fabs(angle);
    const double a = angle;
    const double d = std::floor(a);
    const double f = a - d;
    const double m = std::floor(60 * f);
    const double s = std::floor(60 * (60 * f - m));

    std::string text;
    detail::appendWhole(text, sign * d);
    text += detail::DegreeSign;
    text += ' ';
    detail::appendWhole(text, m);
    text += "' ";
    detail::appendWhole(text, s);
    text += '"';
    return text;
}

double AscendantModule::Ayanamsa1900(const double& T) const
{
    double omega = (933060 - 6962911 * T + 7.5 * (T * T)) / 3600;
    omega = detail::lowerWhileAtLeast(omega, 360);
    const double twoL = (2013816 + 259205536 * T) / 3600;
    const double nu = 1.27 * std::sin(twoL * DegreesToRadians) + 17.23 * std::sin(omega * DegreesToRadians);
    return (nu - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

void AscendantModule::CalculateAscendant()
{
    constexpr double pi = 3.14159265358979;

    SetConstants();
    ConvertBirthData(BirthData);

    const double T = ((UniversalHours / 24 + (BirthJulianDay - 2415020)) - 0.5) / 36525;

    Ayanamsa = Ayanamsa1900(T);
    ChartJulianDay = BirthJulianDay;
    ChartAyanamsa = Ayanamsa;
    if (zodiac_ == Zodiac::Tropical) Ayanamsa = 0;
    AyanamsaText = FormatDegrees(ChartAyanamsa);

    // Local sidereal time in degrees; a negative value is used as it is.
    double theta = 15 * (UniversalHours + 0.0000258 * (T * T) + 2400.0513 * T + 6.6460656) - PlaceLongitude;
    theta = detail::lowerWhileAtLeast(theta, 360);

    const double thetaR = theta * DegreesToRadians;
    const double epsilon = (23.452294 - 0.0130125 * T) * DegreesToRadians;

    double M = ATan2(std::tan(thetaR), std::cos(epsilon));
    if (M < 0) M = M + pi;
    if (std::sin(thetaR) < 0) M = M + pi;
    M = M * RadiansToDegrees;

    const double X = -std::sin(thetaR) * std::cos(epsilon) - std::sin(epsilon) * std::tan(PlaceLatitude * DegreesToRadians);
    double S = ATan2(std::cos(thetaR), X);
    if (S < 0) S = S + pi;
    if (std::cos(thetaR) < 0) S = S + pi;
    S = S * RadiansToDegrees;
    S = detail::lowerWhileAtLeast(S, 360);

    S = S + Ayanamsa;
    M = M + Ayanamsa;

    AscendantDegrees = Normalize360(S);
    AscendantText = FormatSignPosition(AscendantDegrees);
    MidheavenDegrees = Normalize360(M);
    MidheavenText = FormatSignPosition(MidheavenDegrees);
}

}  // namespace engine
