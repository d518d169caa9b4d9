#pragma once
// The explanations the notes box shows when a from-unit is chosen.
#include <QString>

namespace catalog {

QString AcreNote();
// Shared by the seven cubits; not CubitNote, which the cubit converters write when they run.
QString CubitUnitNote();
QString SabbathNote();
QString DaysJourneyInCompanyNote();
QString DaysJourneyAloneNote();
QString HomerNote();
QString LethechNote();
QString EphahNote();
QString SeahNote();
QString OmerNote();
QString KabNote(); // shared by "Cab(Kab)" and "Kab(Cab)"
QString BathNote();
QString HinNote();
QString LogNote();

} // namespace catalog
