#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalog/LineBreak.h"
#include "catalog/Scripture.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitNotes.h"
#include "support/QtPrinting.h"
#include "support/TestNames.h"

namespace {

using namespace catalog;
using Text = QString (*)();

struct Length
{
    const char *name;
    Text text;
    qsizetype length; // in UTF-16 units, as the boxes count them
};

void PrintTo(const Length &c, std::ostream *os) { *os << c.name; }

class TextLength : public ::testing::TestWithParam<Length>
{
};

TEST_P(TextLength, IsExactlyAsLongAsStated)
{
    EXPECT_EQ(GetParam().text().size(), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNoteTableNoticeAndQuotation, TextLength,
    ::testing::Values(
        Length{"linear note", LinearNote, 941}, Length{"New Testament table", NewTestamentTable, 685},
        Length{"Roman table", RomanTable, 335}, Length{"Old Testament money note", MoneyNoteOT, 679},
        Length{"New Testament money note", MoneyNoteNT, 387},
        Length{"default values notice", DefaultValuesNotice, 158},
        Length{"acre note", AcreNote, 254}, Length{"cubit note", CubitUnitNote, 908},
        Length{"Sabbath note", SabbathNote, 677},
        Length{"company note", DaysJourneyInCompanyNote, 64},
        Length{"alone note", DaysJourneyAloneNote, 67}, Length{"homer note", HomerNote, 446},
        Length{"lethech note", LethechNote, 231}, Length{"ephah note", EphahNote, 207},
        Length{"seah note", SeahNote, 203}, Length{"omer note", OmerNote, 335},
        Length{"kab note", KabNote, 98}, Length{"bath note", BathNote, 433},
        Length{"hin note", HinNote, 288}, Length{"log note", LogNote, 107},
        Length{"Jeremiah 52:21", scripture::Jeremiah52_21, 179},
        Length{"Exodus 37:12", scripture::Exodus37_12, 137},
        Length{"Exodus 28:16", scripture::Exodus28_16, 128},
        Length{"2 Samuel 6:13", scripture::SecondSamuel6_13, 127},
        Length{"Acts 27:28", scripture::Acts27_28, 144},
        Length{"Ezekiel 40:5", scripture::Ezekiel40_5, 244},
        Length{"Luke 24:13", scripture::Luke24_13, 135},
        Length{"Acts 1:12", scripture::Acts1_12, 123},
        Length{"2 Samuel 19:36", scripture::SecondSamuel19_36, 136},
        Length{"Luke 2:44", scripture::Luke2_44, 144},
        Length{"Genesis 30:36", scripture::Genesis30_36, 114}),
    [](const auto &info) { return CaseName(info.param.name); });

struct Whole
{
    const char *name;
    Text text;
    const char *expected; // UTF-8, curly quotation marks written as they are
};

void PrintTo(const Whole &c, std::ostream *os) { *os << c.name; }

class WholeText : public ::testing::TestWithParam<Whole>
{
};

TEST_P(WholeText, ReadsExactlyAsWritten)
{
    EXPECT_EQ(GetParam().text(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(EveryTextGivenWhole, WholeText, ::testing::ValuesIn(std::vector<Whole>{
    {"Jeremiah 52:21", scripture::Jeremiah52_21,
     "Jeremiah 52:21  And concerning the pillars, the height of one pillar was "
     "eighteen cubits; and a fillet of twelve cubits did compass it; and the "
     "thickness thereof was four fingers:"},
    {"Exodus 37:12", scripture::Exodus37_12,
     "Exodus 37:12  Also he made thereunto a border of an handbreadth round about; "
     "and made a crown of gold for the border thereof round about."},
    {"Exodus 28:16", scripture::Exodus28_16,
     "Exodus 28:16  Foursquare it shall be being doubled; a span shall be the "
     "length thereof, and a span shall be the breadth thereof."},
    {"2 Samuel 6:13", scripture::SecondSamuel6_13,
     "2 Samuel 6:13  And it was so, that when they that bare the ark of the LORD "
     "had gone six paces, he sacrificed oxen and fatlings."},
    {"Acts 27:28", scripture::Acts27_28,
     "Acts 27:28  And sounded, and found it twenty fathoms: and when they had gone "
     "a little further, they sounded again, and found it fifteen fathoms."},
    {"Ezekiel 40:5", scripture::Ezekiel40_5,
     "Ezekiel 40:5  And behold a wall on the outside of the house round about, and "
     "in the man’s hand a measuring reed of six cubits long by the cubit and an "
     "hand breadth: so he measured the breadth of the building, one reed; and the "
     "height, one reed."},
    {"Luke 24:13", scripture::Luke24_13,
     "Luke 24:13  And, behold, two of them went that same day to a village called "
     "Emmaus, which was from Jerusalem about threescore furlongs."},
    {"Acts 1:12", scripture::Acts1_12,
     "Acts 1:12  Then returned they unto Jerusalem from the mount called Olivet, "
     "which is from Jerusalem a sabbath day’s journey."},
    {"2 Samuel 19:36", scripture::SecondSamuel19_36,
     "2 Samuel 19:36  Thy servant will go a little way over Jordan with the king: "
     "and why should the king recompense it me with such a reward?"},
    {"Luke 2:44", scripture::Luke2_44,
     "Luke 2:44  But they, supposing him to have been in the company, went a day’s "
     "journey; and they sought him among their kinsfolk and acquaintance."},
    {"Genesis 30:36", scripture::Genesis30_36,
     "Genesis 30:36  And he set three days‘ journey betwixt himself and Jacob: and "
     "Jacob fed the rest of Laban’s flocks."},
    {"Lamentations 2:19", scripture::Lamentations2_19,
     "Lamentations 2:19  Arise, cry out in the night: in the beginning of the "
     "watches pour out thine heart like water before the face of the Lord: lift up "
     "thy hands toward him for the life of thy young children, that faint for "
     "hunger in the top of every street."},
    {"Mark 13:35", scripture::Mark13_35,
     "Mark 13:35  Watch ye therefore: for ye know not when the master of the house "
     "cometh, at even, or at midnight, or at the cockcrowing, or in the morning:"},
    {"Mark 14:30", scripture::Mark14_30,
     "Mark 14:30  And Jesus saith unto him, Verily I say unto thee, That this day, "
     "even in this night, before the cock crow twice, thou shalt deny me thrice."},
    {"Genesis 3:8", scripture::Genesis3_8,
     "Genesis 3:8  And they heard the voice of the LORD God walking in the garden "
     "in the cool of the day: and Adam and his wife hid themselves from the "
     "presence of the LORD God amongst the trees of the garden."},
    {"Genesis 1:5", scripture::Genesis1_5,
     "Genesis 1:5  And God called the light Day, and the darkness he called Night. "
     "And the evening and the morning were the first day."},
    {"Matthew 20:6", scripture::Matthew20_6,
     "Matthew 20:6  And about the eleventh hour he went out, and found others "
     "standing idle, and saith unto them, Why stand ye here all the day idle?"},
    {"Matthew 14:25", scripture::Matthew14_25,
     "Matthew 14:25  And in the fourth watch of the night Jesus went unto them, "
     "walking on the sea."},
    {"Genesis 18:1", scripture::Genesis18_1,
     "Genesis 18:1  And the LORD appeared unto him in the plains of Mamre: and he "
     "sat in the tent door in the heat of the day;"},
    {"Judges 7:19", scripture::Judges7_19,
     "Judges 7:19  So Gideon, and the hundred men that were with him, came unto the "
     "outside of the camp in the beginning of the middle watch; and they had but "
     "newly set the watch: and they blew the trumpets, and brake the pitchers that "
     "were in their hands."},
    {"Exodus 14:24", scripture::Exodus14_24,
     "Exodus 14:24  And it came to pass, that in the morning watch the LORD looked "
     "unto the host of the Egyptians through the pillar of fire and of the cloud, "
     "and troubled the host of the Egyptians,"},
    {"Matthew 27:46", scripture::Matthew27_46,
     "Matthew 27:46  And about the ninth hour Jesus cried with a loud voice, "
     "saying, Eli, Eli, lama sabachthani? that is to say, My God, my God, why hast "
     "thou forsaken me?"},
    {"Luke 12:38", scripture::Luke12_38,
     "Luke 12:38  And if he shall come in the second watch, or come in the third "
     "watch, and find them so, blessed are those servants."},
    {"John 4:52", scripture::John4_52,
     "John 4:52  Then enquired he of them the hour when he began to amend. And they "
     "said unto him, Yesterday at the seventh hour the fever left him."},
    {"Matthew 20:5", scripture::Matthew20_5,
     "Matthew 20:5  Again he went out about the sixth and ninth hour, and did "
     "likewise."},
    {"John 1:39", scripture::John1_39,
     "John 1:39  He saith unto them, Come and see. They came and saw where he "
     "dwelt, and abode with him that day: for it was about the tenth hour."},
    {"Matthew 20:3", scripture::Matthew20_3,
     "Matthew 20:3  And he went out about the third hour, and saw others standing "
     "idle in the marketplace,"},
    {"acre note", AcreNote,
     "The acre (Hebrew Cemed, i.e. yoke)-, the area which a yoke of oxen could "
     "plough in a day. Isaiah 5:10; 1 Samuel 14:14 In Isaiah the Cemed is the "
     "measure of vineyard land. Corn fields were also measured by the amount of "
     "seed they required. Leviticus 27:16"},
    {"company note", DaysJourneyInCompanyNote,
     "A Day's Journey, when accompained by others, was about 10 miles."},
    {"alone note", DaysJourneyAloneNote,
     "A Day's Journey, when traveling alone, was between 20 and 30 miles."},
    {"lethech note", LethechNote,
     "The Letheh is only mentioned in Hosea 3:2 and is supposed to have been equal "
     "to half an homer. That would make it equivalent to about 5 ephahs or 3 "
     "bushels. Part of the price for the woman Hosea was to take was a letheh of "
     "barley. "},
    {"ephah note", EphahNote,
     "The Ephah was the most usual measure for dry substances. Ezekiel 45:11 "
     "declares the ephah equal to the bath. In the A.V. it is sometimes translated "
     "'measure'. Deuteronomy 25:14,15; Micah 6:10; Proverbs 20:10"},
    {"seah note", SeahNote,
     "The Seah is translated Measure and used to measure dry grains and cereals. "
     "Genesis 18:6; 1 Samuel 25:18; 1 Kings 18:32; 2 Kings 7:1,16,18 It is the 3rd "
     "part of an ephah making it equal to about 7 quarts."},
    {"kab note", KabNote,
     "The Kab is only mentioned in 2 Kings 6:25. It is estimated at about 1/18 "
     "ephah or about one quart."},
    {"log note", LogNote,
     "The Log occurs only in Leviticus 14:10-24, and is believed to have been about "
     "32 cubic inches, or 1/2 pint."},

}), [](const auto &info) { return CaseName(info.param.name); });

TEST(TypeTables, AreTheirLinesTwoLineBreaksApart)
{
    EXPECT_EQ(NewTestamentTable(),
              QStringList({
                  "MEASURE - The Rendering of Seven Greek Words",
                  "POTS (XESTES) = 1.16 pints, .55 liters, .58 quarts, 18.67 ounces. Used only in Mark 7:4",
                  "MEASURE(CHOININ) = 1.2 dry quarts, .15 peck, 1.32 liters, 2.4 dry pints. Used 2 times in Revelation 6:6.",
                  "MEASURE(SATON) = 6.6 dry quarts. Same as Hebrew Seah. Used two times: Matthew 13:13 and Luke 13:21.",
                  "BUSHEL(MODIOS) = 7.7 dry quarts, .24 bushels, .96 pecks, 8.48 liters, 15.4 dry pints.",
                  "MEASURE(BATOS) = 5.8 gallons. Sames as Hebrew bath. Used once in Luke 16:6.",
                  "FIRKIN(METRETES) = 10 gallons, 37.85 liters, 40 quarts, 80 pints. Used once in John 2:6.",
                  "MEASURE(KOROS) = 6.25 bushels. Sames as Hebrew cor. Used once in Luke 16:7.",
              }).join("\r\n\r\n"));
    EXPECT_EQ(RomanTable(),
              QStringList({
                  "QUARTARIUS = 8.86 cubic inches",
                  "SEXTARIUS = 35.44 cubic inches, 4 quartarii",
                  "CONGIUS = 212.64 cubic inches, .12 cubic feet, 6 sextarii, 24 quartarii",
                  "URNA = 850.56 cubic inches, .49 cubic feet, 4 congii, 24 sextarii, 96 quartarii.",
                  "AMPHORA = 1,701.12 cubic inches, .98 cubic feet, 2 urnae, 8 congii, 48 sextarii, 192 quartarii.",
              }).join("\r\n\r\n"));
    EXPECT_FALSE(NewTestamentTable().endsWith('\n'));
    EXPECT_FALSE(RomanTable().endsWith('\n'));
}

TEST(DefaultValuesNotice, IsFourLinesUnderItsTitle)
{
    EXPECT_EQ(DefaultValuesTitle, QStringLiteral("Change Default Values"));
    EXPECT_EQ(DefaultValuesNotice(), QStringLiteral("The default value for Gold is $350.00 per ounce.\r\n"
                                                    "The default value for Silver is $4.75 per ounce.\r\n"
                                                    "You may change the default values by entering\r\n"
                                                    "new values."));
}

TEST(LinearNote, IsThreeParagraphsOfTheirOwnLengths)
{
    const QStringList paragraphs = LinearNote().split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_EQ(paragraphs[0].size(), 477);
    EXPECT_TRUE(paragraphs[0].startsWith("It was the Greeks who were the mathematicians and so it is not "
                                         "surprising that the Hebrews were not mathematically exact in this area."));
    EXPECT_TRUE(paragraphs[0].endsWith("Stones were often used to determine weight."));
    EXPECT_EQ(paragraphs[1].size(), 340);
    EXPECT_TRUE(paragraphs[1].startsWith("However this should not be taken to mean that the Hebrews were not "
                                         "concerned with exactness in the area of legal and ethical life."));
    EXPECT_TRUE(paragraphs[1].endsWith("1 Chronicles 23:29 ")) << "with its trailing blank";
    EXPECT_EQ(paragraphs[2], QStringLiteral("Hebrew coinage was the basis of the weights for the Jews. These "
                                            "were the Gerah, Beka, Pim, Shekel, Mina, and Talent."));
}

// The notes given by their first and last words and their content: one paragraph each.
struct Paragraph
{
    const char *name;
    Text text;
    const char *begins;
    const char *ends;
    QStringList mentions; // citations and the facts the note must carry, as written in it
};

void PrintTo(const Paragraph &c, std::ostream *os) { *os << c.name; }

class NoteParagraph : public ::testing::TestWithParam<Paragraph>
{
};

TEST_P(NoteParagraph, BeginsEndsAndCitesAsStated)
{
    const Paragraph &p = GetParam();
    const QString text = p.text();
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(p.begins))) << text.left(120).toStdString();
    EXPECT_TRUE(text.endsWith(QString::fromUtf8(p.ends))) << text.right(120).toStdString();
    EXPECT_FALSE(text.contains('\r') || text.contains('\n')) << "one paragraph";
    for (const QString &m : p.mentions)
        EXPECT_TRUE(text.contains(m)) << m.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EveryNoteWrittenHere, NoteParagraph,
    ::testing::Values(
        Paragraph{"Old Testament money", MoneyNoteOT,
                  "There is no mention in the Bible of coins for money before the time of Ezra.",
                  "1 Maccabees. 15:6 140 B.C.", {}},
        Paragraph{"New Testament money", MoneyNoteNT,
                  "The common coin of the New Testament was the Roman Denarii and the Greek Drachma and Tetradrachm.",
                  "which made commerce very confusing.", {}},
        Paragraph{"cubit", CubitUnitNote,
                  "The Ammah, or cubit, was at all periods the ordinary unit length among the Hebrews.",
                  "Ezekiel 40:5",
                  {"elbow", "Siloam", "1749 feet", "1200 cubits", "17.49 inches",
                   "\"after the first (or rather, former) measure\"", "hand-breadth",
                   "Deuteronomy 3:11", "2 Chron. 3:3"}},
        Paragraph{"Sabbath", SabbathNote,
                  "The Sabbath-Day's Journey is mentioned as the distance from Mount of Olives and Jerusalem.",
                  "Of course various means were discovered for modifying or evading this rule.",
                  {"Rabbis", "Acts 1:12", "Exodus 16:29", "2000 cubits", "Tabernacle"}},
        Paragraph{"homer", HomerNote, "The word homer comes from a Hebrew word which means 'ass-load'.",
                  "Ezra 7:22",
                  {"donkey", "quail", "10 ephahs", "6 bushels", "MEASURE", "KJV", "Ezekiel 45:11,14",
                   "1 Kings 5:11", "1 Kings 4:22", "2 Chronicles 2:10, 27:5"}},
        Paragraph{"omer", OmerNote, "The Omer is used as the name of a measure, only in Exodus 16:16.",
                  "It would be equivalent to about two quarts.",
                  {"manna", "each mans portion", "double portion", "Sabbath", "Exodus 16:36",
                   "tenth part of an ephah"}},
        Paragraph{"bath", BathNote, "The Bath was the common Hebrew liquid measure.",
                  "Pottery marked with the name bath has been found and is calculated on the basis "
                  "of how much these containers could hold.",
                  {"6 hins", "6 gallons", "'daughter'", "from from the well", "Genesis 24:15", "wine",
                   "oil"}},
        Paragraph{"hin", HinNote, "The Hin, according to the Rabbi's, contained 12 logs.",
                  "It would be equivalent to about one gallon.",
                  {"Ezekiel", "Pentateuch", "wine and oil", "Exodus 30:24", "Ezekiel 4:11"}}),
    [](const auto &info) { return CaseName(info.param.name); });

TEST(LineBreaks, AreCarriageReturnLineFeedEverywhere)
{
    const Text texts[] = {LinearNote, NewTestamentTable, RomanTable, MoneyNoteOT, MoneyNoteNT,
                          DefaultValuesNotice, AcreNote, CubitUnitNote, SabbathNote, HomerNote,
                          OmerNote, BathNote, HinNote, LethechNote};
    for (Text text : texts) {
        const QString t = text();
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == '\n') {
                EXPECT_TRUE(i > 0 && t[i - 1] == '\r') << "bare LF at " << i << " in " << t.left(40).toStdString();
            }
            if (t[i] == '\r') {
                EXPECT_TRUE(i + 1 < t.size() && t[i + 1] == '\n') << "bare CR at " << i;
            }
        }
    }
}

TEST(Scripture, UsesTheCurlyApostrophesOfTheVerses)
{
    EXPECT_TRUE(scripture::Ezekiel40_5().contains(QStringLiteral("man\u2019s hand")));
    EXPECT_TRUE(scripture::Acts1_12().contains(QStringLiteral("day\u2019s journey")));
    EXPECT_TRUE(scripture::Luke2_44().contains(QStringLiteral("day\u2019s journey")));
    EXPECT_TRUE(scripture::Genesis30_36().contains(QStringLiteral("days\u2018 journey")));
    EXPECT_TRUE(scripture::Genesis30_36().contains(QStringLiteral("Laban\u2019s")));
    EXPECT_FALSE(scripture::Ezekiel40_5().contains('\''));
}

} // namespace
