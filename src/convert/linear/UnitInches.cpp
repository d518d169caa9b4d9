#include "convert/linear/UnitInches.h"

#include "catalog/UnitNames.h"

namespace convert::linear {

const UnitTable &UnitInches()
{
    static const UnitTable table{
        {unit::Inches, 1},
        {unit::Feet, 12},
        {unit::Yards, 36},
        {unit::Miles, 63360},
        // The program's own metric values, not those of 2.54 cm to the inch.
        {unit::Centimeters, 0.3937},
        {unit::Meters, 39.37},
        {unit::Kilometers, 39370},
        {unit::Finger, 0.75},
        {unit::Handbreath, 3},
        {unit::Span, 9},
        {unit::CubitRomanNT, 17.5},
        {unit::CubitEgyptian, 17.72},
        {unit::CubitHebrewOT, 18},
        {unit::CubitEzekiels, 20.5},
        {unit::CubitRoyalEgyptian, 20.67},
        {unit::CubitHebrewLong, 20.67},
        {unit::CubitBabylonRoyal, 20.81},
        {unit::Pace, 36},
        {unit::Fathom, 72},
        {unit::Reed, 108},
        {unit::FurlongStadion, 7272},
        {unit::SabbathDaysJourney, 36000},
        {unit::ALittleWay, 225000},        // 12500 cubits of 18 inches
        {unit::DaysJourneyAlone, 1584000}, // 25 miles
        {unit::DaysJourneyInCompany, 633600},
        {unit::GreekFeet, 10.908},
        {unit::RomanFeet, 11.66},
        {unit::RomanMile, 60000},
    };
    return table;
}

} // namespace convert::linear
