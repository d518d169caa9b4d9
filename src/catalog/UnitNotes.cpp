#include "catalog/UnitNotes.h"

namespace catalog {

QString AcreNote()
{
    return QStringLiteral("The acre (Hebrew Cemed, i.e. yoke)-, the area which a yoke of oxen "
                          "could plough in a day. Isaiah 5:10; 1 Samuel 14:14 In Isaiah the "
                          "Cemed is the measure of vineyard land. Corn fields were also "
                          "measured by the amount of seed they required. Leviticus 27:16");
}

QString CubitUnitNote()
{
    return QStringLiteral("The Ammah, or cubit, was at all periods the ordinary unit length "
                          "among the Hebrews. It was the length of the forearm, from the point "
                          "of the elbow to the tip of the middle finger, and so it is named as "
                          "the cubit of a man in the description of the bedstead of Og, the "
                          "king of Bashan. Deuteronomy 3:11 The best evidence we have of its "
                          "length comes from the Siloam inscription, which gives the length of "
                          "the tunnel of Hezekiah as 1200 cubits; the tunnel itself has been "
                          "measured at about 1749 feet, which gives a cubit of about 17.49 "
                          "inches. The temple of Solomon was measured in cubits \"after the "
                          "first (or rather, former) measure\", which implies that another "
                          "cubit had come into use by the time of the chronicles. 2 Chron. 3:3 "
                          "Ezekiel's cubit was longer than the common cubit by a hand-breadth, "
                          "for the measuring reed of the man in his visions was six cubits "
                          "long by the cubit and an hand breadth. Ezekiel 40:5");
}

QString SabbathNote()
{
    return QStringLiteral("The Sabbath-Day's Journey is mentioned as the distance from Mount "
                          "of Olives and Jerusalem. Acts 1:12 It is not mentioned in the Old "
                          "Testament, but was an invention of the later Rabbis. They drew it "
                          "from the command given with the manna, 'abide ye every man in his "
                          "place, let no man go out of his place on the seventh day', and from "
                          "the distance of 2000 cubits that, they said, lay between the "
                          "extreme ends of the camp and the Tabernacle in the wilderness. "
                          "Exodus 16:29 From these they ruled that no Israelite should move "
                          "more than 2000 cubits from his home or from the wall of his city on "
                          "the Sabbath. Of course various means were discovered for modifying "
                          "or evading this rule.");
}

QString DaysJourneyInCompanyNote()
{
    return QStringLiteral("A Day's Journey, when accompained by others, was about 10 miles.");
}

QString DaysJourneyAloneNote()
{
    return QStringLiteral("A Day's Journey, when traveling alone, was between 20 and 30 miles.");
}

QString HomerNote()
{
    return QStringLiteral("The word homer comes from a Hebrew word which means 'ass-load'. It "
                          "was the full load that a donkey could carry, and the quail that the "
                          "people gathered round the camp in the wilderness were measured by "
                          "the homer. The Homer or Cor held 10 ephahs, or about 6 bushels. "
                          "Ezekiel 45:11,14 The cor was used as a measure for solids and for "
                          "fluids alike, and in the KJV it is rendered MEASURE. 1 Kings 5:11; "
                          "1 Kings 4:22; 2 Chronicles 2:10, 27:5; Ezra 7:22");
}

// Its last character is a blank.
QString LethechNote()
{
    return QStringLiteral("The Letheh is only mentioned in Hosea 3:2 and is supposed to have "
                          "been equal to half an homer. That would make it equivalent to about "
                          "5 ephahs or 3 bushels. Part of the price for the woman Hosea was to "
                          "take was a letheh of barley. ");
}

QString EphahNote()
{
    return QStringLiteral("The Ephah was the most usual measure for dry substances. Ezekiel "
                          "45:11 declares the ephah equal to the bath. In the A.V. it is "
                          "sometimes translated 'measure'. Deuteronomy 25:14,15; Micah 6:10; "
                          "Proverbs 20:10");
}

QString SeahNote()
{
    return QStringLiteral("The Seah is translated Measure and used to measure dry grains and "
                          "cereals. Genesis 18:6; 1 Samuel 25:18; 1 Kings 18:32; 2 Kings "
                          "7:1,16,18 It is the 3rd part of an ephah making it equal to about 7 "
                          "quarts.");
}

QString OmerNote()
{
    return QStringLiteral("The Omer is used as the name of a measure, only in Exodus 16:16. It "
                          "is named with the gathering of the manna, an omer being each mans "
                          "portion for one day, and on the sixth day a double portion was "
                          "gathered for the Sabbath day. According to Exodus 16:36 an omer is "
                          "the tenth part of an ephah. It would be equivalent to about two "
                          "quarts.");
}

QString KabNote()
{
    return QStringLiteral("The Kab is only mentioned in 2 Kings 6:25. It is estimated at about "
                          "1/18 ephah or about one quart.");
}

QString BathNote()
{
    return QStringLiteral("The Bath was the common Hebrew liquid measure. It held 6 hins, or "
                          "about 6 gallons. The Hebrew word means 'daughter', and the measure "
                          "may have been the water that a daughter of the household could "
                          "carry home from from the well in one jar, as Rebekah did. Genesis "
                          "24:15 It was used to measure wine, water, and oil. Pottery marked "
                          "with the name bath has been found and is calculated on the basis of "
                          "how much these containers could hold.");
}

QString HinNote()
{
    return QStringLiteral("The Hin, according to the Rabbi's, contained 12 logs. It occurs "
                          "only in Ezekiel and in the ritual portions of the Pentateuch, for "
                          "wine and oil. Exodus 30:24 A sixth of an hin was the least a person "
                          "was required to drink in one day. Ezekiel 4:11 It would be "
                          "equivalent to about one gallon.");
}

QString LogNote()
{
    return QStringLiteral("The Log occurs only in Leviticus 14:10-24, and is believed to have "
                          "been about 32 cubic inches, or 1/2 pint.");
}

} // namespace catalog
