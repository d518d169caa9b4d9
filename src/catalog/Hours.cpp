#include "catalog/Hours.h"

#include "catalog/LineBreak.h"
#include "catalog/Scripture.h"

namespace catalog {

QList<TimeRow> TimeRouting()
{
    using namespace scripture;
    const std::nullopt_t none = std::nullopt;
    return {
        {QStringLiteral("Beginning of the Watches"), QStringLiteral("About 9 PM."),
         Lamentations2_19(), none},
        // Both cock-crowings are quoted, in the notes box, and the quotation box keeps its verse.
        {QStringLiteral("Cock-crowing"),
         QStringLiteral("There were two : one after midnight, and one before dawn. Both are "
                        "mentioned in Mark 14:30. The latter was THE cock-crowing."),
         none, QStringList{Mark13_35(), Mark14_30()}.join(LineBreak)},
        {QStringLiteral("Cool of the Day"), QStringLiteral("From about 2 to about 6 p.m."),
         Genesis3_8(), none},
        {QStringLiteral("Day"), QStringLiteral("Reckoned from sunset to sunset."), Genesis1_5(),
         none},
        {QStringLiteral("Eleventh Hour"), QStringLiteral("About 5 PM."), Matthew20_6(), none},
        {QStringLiteral("Fourth Watch"), QStringLiteral(" From about 3 a.m. till about 6 a.m."),
         Matthew14_25(), none},
        {QStringLiteral("Heat of the Day"), QStringLiteral("From about 10 a.m. till 2 p.m."),
         Genesis18_1(), none},
        {QStringLiteral("Middle Watch"), QStringLiteral("From about midnight till about 3 a.m."),
         Judges7_19(), none},
        {QStringLiteral("Morning Watch"), QStringLiteral("From about 3 a.m. till 6 a.m."),
         Exodus14_24(), none},
        {QStringLiteral("Night"), QStringLiteral("The natural night was from sunset to sunrise."),
         Genesis1_5(), none},
        {QStringLiteral("Ninth Hour"), QStringLiteral("About 3 PM."), Matthew27_46(), none},
        {QStringLiteral("Second Watch"), QStringLiteral("About 9 to 12 PM."), Luke12_38(), none},
        {QStringLiteral("Seventh Hour"), QStringLiteral("About 1 PM."), John4_52(), none},
        {QStringLiteral("Sixth Hour"), QStringLiteral("About 12 noon."), Matthew20_5(), none},
        {QStringLiteral("Tenth Hour"), QStringLiteral("About 4 PM."), John1_39(), none},
        {QStringLiteral("Third Hour"), QStringLiteral("About 9 AM."), Matthew20_3(), none},
        {QStringLiteral("Third Watch"), QStringLiteral("From about midnight to about 3 AM."),
         Luke12_38(), none},
        {QStringLiteral("Watch - Old Testament"),
         QStringList{QStringLiteral("First Watch, 9 PM until midnight."),
                     QStringLiteral("Middle Watch, midnight until 3 AM."),
                     QStringLiteral("Morning Watch, 3 AM until 6 AM.")}
             .join(LineBreak),
         none, none},
        {QStringLiteral("Watch - New Testament"),
         QStringList{QStringLiteral("First Watch, 6 PM until 9 PM."),
                     QStringLiteral("Second Watch, 9 PM until midnight."),
                     QStringLiteral("Third Watch, midnight until 3 AM."),
                     QStringLiteral("Fourth Watch, 3 AM until 6 AM.")}
             .join(LineBreak),
         none, none},
    };
}

QStringList TimeItems()
{
    QStringList items;
    for (const TimeRow &row : TimeRouting())
        items << row.item;
    return items;
}

} // namespace catalog
