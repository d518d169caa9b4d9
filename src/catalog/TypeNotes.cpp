#include "catalog/TypeNotes.h"

#include <QStringList>

#include "catalog/LineBreak.h"

namespace catalog {

QString LinearNote()
{
    return QStringList{
        QStringLiteral("It was the Greeks who were the mathematicians and so it is not "
                       "surprising that the Hebrews were not mathematically exact in this "
                       "area. Their measures of length were taken from the parts of the human "
                       "body, such as the finger, the hand, the span or the forearm, and so "
                       "they differed a little from one man to another. Measures of capacity "
                       "were taken from the vessels in common use and from the loads that a "
                       "man or an animal could carry. Stones were often used to determine "
                       "weight."),
        QStringLiteral("However this should not be taken to mean that the Hebrews were not "
                       "concerned with exactness in the area of legal and ethical life. The "
                       "Law demanded just balances, just weights and a just measure, and the "
                       "priests and Levites were given charge over all manner of measure and "
                       "size. Leviticus 19:35,36; Deuteronomy 25:13-15; 1 Chronicles 23:29 "),
        QStringLiteral("Hebrew coinage was the basis of the weights for the Jews. These were "
                       "the Gerah, Beka, Pim, Shekel, Mina, and Talent."),
    }.join(BlankLine);
}

QString NewTestamentTable()
{
    return QStringList{
        QStringLiteral("MEASURE - The Rendering of Seven Greek Words"),
        QStringLiteral("POTS (XESTES) = 1.16 pints, .55 liters, .58 quarts, 18.67 ounces. Used "
                       "only in Mark 7:4"),
        QStringLiteral("MEASURE(CHOININ) = 1.2 dry quarts, .15 peck, 1.32 liters, 2.4 dry "
                       "pints. Used 2 times in Revelation 6:6."),
        QStringLiteral("MEASURE(SATON) = 6.6 dry quarts. Same as Hebrew Seah. Used two times: "
                       "Matthew 13:13 and Luke 13:21."),
        QStringLiteral("BUSHEL(MODIOS) = 7.7 dry quarts, .24 bushels, .96 pecks, 8.48 liters, "
                       "15.4 dry pints."),
        QStringLiteral("MEASURE(BATOS) = 5.8 gallons. Sames as Hebrew bath. Used once in Luke "
                       "16:6."),
        QStringLiteral("FIRKIN(METRETES) = 10 gallons, 37.85 liters, 40 quarts, 80 pints. Used "
                       "once in John 2:6."),
        QStringLiteral("MEASURE(KOROS) = 6.25 bushels. Sames as Hebrew cor. Used once in Luke "
                       "16:7."),
    }.join(BlankLine);
}

QString RomanTable()
{
    return QStringList{
        QStringLiteral("QUARTARIUS = 8.86 cubic inches"),
        QStringLiteral("SEXTARIUS = 35.44 cubic inches, 4 quartarii"),
        QStringLiteral("CONGIUS = 212.64 cubic inches, .12 cubic feet, 6 sextarii, 24 quartarii"),
        QStringLiteral("URNA = 850.56 cubic inches, .49 cubic feet, 4 congii, 24 sextarii, 96 "
                       "quartarii."),
        QStringLiteral("AMPHORA = 1,701.12 cubic inches, .98 cubic feet, 2 urnae, 8 congii, 48 "
                       "sextarii, 192 quartarii."),
    }.join(BlankLine);
}

QString MoneyNoteOT()
{
    return QStringLiteral("There is no mention in the Bible of coins for money before the time "
                          "of Ezra. Before then silver and gold were weighed out by the "
                          "talent, the mina and the shekel, and pieces of the metal were "
                          "carried in bags. Abraham weighed out four hundred shekels of "
                          "silver, current money with the merchant, for the field of Ephron. "
                          "Genesis 23:16 The first coins named in the Bible are the Persian "
                          "gold darics, rendered drams in the KJV, given for the work of the "
                          "house of God after the return from exile. Ezra 2:69; Nehemiah 7:70 "
                          "The Jews did not strike coins of their own until Antiochus gave "
                          "Simon Maccabeus leave to coin money for his country with his own "
                          "stamps. 1 Maccabees. 15:6 140 B.C.");
}

QString MoneyNoteNT()
{
    return QStringLiteral("The common coin of the New Testament was the Roman Denarii and the "
                          "Greek Drachma and Tetradrachm. A denarius was a day's wage for a "
                          "labourer. Matthew 20:2 Beside these, Jewish coins and the coins of "
                          "the cities round about were still current, and the temple tax had "
                          "to be paid in the shekel of Tyre. So several systems of money were "
                          "in use at one time, which made commerce very confusing.");
}

// Fixed text: it quotes the prices the panels start with, not what they hold now.
QString DefaultValuesNotice()
{
    return QStringList{
        QStringLiteral("The default value for Gold is $350.00 per ounce."),
        QStringLiteral("The default value for Silver is $4.75 per ounce."),
        QStringLiteral("You may change the default values by entering"),
        QStringLiteral("new values."),
    }.join(LineBreak);
}

} // namespace catalog
