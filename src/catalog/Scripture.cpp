#include "catalog/Scripture.h"

namespace catalog::scripture {

QString Jeremiah52_21()
{
    return QStringLiteral("Jeremiah 52:21  And concerning the pillars, the height of one "
                          "pillar was eighteen cubits; and a fillet of twelve cubits did "
                          "compass it; and the thickness thereof was four fingers:");
}

QString Exodus37_12()
{
    return QStringLiteral("Exodus 37:12  Also he made thereunto a border of an handbreadth "
                          "round about; and made a crown of gold for the border thereof round "
                          "about.");
}

QString Exodus28_16()
{
    return QStringLiteral("Exodus 28:16  Foursquare it shall be being doubled; a span shall be "
                          "the length thereof, and a span shall be the breadth thereof.");
}

QString SecondSamuel6_13()
{
    return QStringLiteral("2 Samuel 6:13  And it was so, that when they that bare the ark of "
                          "the LORD had gone six paces, he sacrificed oxen and fatlings.");
}

QString Acts27_28()
{
    return QStringLiteral("Acts 27:28  And sounded, and found it twenty fathoms: and when they "
                          "had gone a little further, they sounded again, and found it fifteen "
                          "fathoms.");
}

QString Ezekiel40_5()
{
    return QStringLiteral("Ezekiel 40:5  And behold a wall on the outside of the house round "
                          "about, and in the man\u2019s hand a measuring reed of six cubits "
                          "long by the cubit and an hand breadth: so he measured the breadth "
                          "of the building, one reed; and the height, one reed.");
}

QString Luke24_13()
{
    return QStringLiteral("Luke 24:13  And, behold, two of them went that same day to a "
                          "village called Emmaus, which was from Jerusalem about threescore "
                          "furlongs.");
}

QString Acts1_12()
{
    return QStringLiteral("Acts 1:12  Then returned they unto Jerusalem from the mount called "
                          "Olivet, which is from Jerusalem a sabbath day\u2019s journey.");
}

QString SecondSamuel19_36()
{
    return QStringLiteral("2 Samuel 19:36  Thy servant will go a little way over Jordan with "
                          "the king: and why should the king recompense it me with such a "
                          "reward?");
}

QString Luke2_44()
{
    return QStringLiteral("Luke 2:44  But they, supposing him to have been in the company, "
                          "went a day\u2019s journey; and they sought him among their kinsfolk "
                          "and acquaintance.");
}

QString Genesis30_36()
{
    return QStringLiteral("Genesis 30:36  And he set three days\u2018 journey betwixt himself "
                          "and Jacob: and Jacob fed the rest of Laban\u2019s flocks.");
}

QString Lamentations2_19()
{
    return QStringLiteral("Lamentations 2:19  Arise, cry out in the night: in the beginning of "
                          "the watches pour out thine heart like water before the face of the "
                          "Lord: lift up thy hands toward him for the life of thy young "
                          "children, that faint for hunger in the top of every street.");
}

QString Mark13_35()
{
    return QStringLiteral("Mark 13:35  Watch ye therefore: for ye know not when the master of "
                          "the house cometh, at even, or at midnight, or at the cockcrowing, "
                          "or in the morning:");
}

QString Mark14_30()
{
    return QStringLiteral("Mark 14:30  And Jesus saith unto him, Verily I say unto thee, That "
                          "this day, even in this night, before the cock crow twice, thou "
                          "shalt deny me thrice.");
}

QString Genesis3_8()
{
    return QStringLiteral("Genesis 3:8  And they heard the voice of the LORD God walking in "
                          "the garden in the cool of the day: and Adam and his wife hid "
                          "themselves from the presence of the LORD God amongst the trees of "
                          "the garden.");
}

QString Genesis1_5()
{
    return QStringLiteral("Genesis 1:5  And God called the light Day, and the darkness he "
                          "called Night. And the evening and the morning were the first day.");
}

QString Matthew20_6()
{
    return QStringLiteral("Matthew 20:6  And about the eleventh hour he went out, and found "
                          "others standing idle, and saith unto them, Why stand ye here all "
                          "the day idle?");
}

QString Matthew14_25()
{
    return QStringLiteral("Matthew 14:25  And in the fourth watch of the night Jesus went unto "
                          "them, walking on the sea.");
}

QString Genesis18_1()
{
    return QStringLiteral("Genesis 18:1  And the LORD appeared unto him in the plains of "
                          "Mamre: and he sat in the tent door in the heat of the day;");
}

QString Judges7_19()
{
    return QStringLiteral("Judges 7:19  So Gideon, and the hundred men that were with him, "
                          "came unto the outside of the camp in the beginning of the middle "
                          "watch; and they had but newly set the watch: and they blew the "
                          "trumpets, and brake the pitchers that were in their hands.");
}

QString Exodus14_24()
{
    return QStringLiteral("Exodus 14:24  And it came to pass, that in the morning watch the "
                          "LORD looked unto the host of the Egyptians through the pillar of "
                          "fire and of the cloud, and troubled the host of the Egyptians,");
}

QString Matthew27_46()
{
    return QStringLiteral("Matthew 27:46  And about the ninth hour Jesus cried with a loud "
                          "voice, saying, Eli, Eli, lama sabachthani? that is to say, My God, "
                          "my God, why hast thou forsaken me?");
}

QString Luke12_38()
{
    return QStringLiteral("Luke 12:38  And if he shall come in the second watch, or come in "
                          "the third watch, and find them so, blessed are those servants.");
}

QString John4_52()
{
    return QStringLiteral("John 4:52  Then enquired he of them the hour when he began to "
                          "amend. And they said unto him, Yesterday at the seventh hour the "
                          "fever left him.");
}

QString Matthew20_5()
{
    return QStringLiteral("Matthew 20:5  Again he went out about the sixth and ninth hour, and "
                          "did likewise.");
}

QString John1_39()
{
    return QStringLiteral("John 1:39  He saith unto them, Come and see. They came and saw "
                          "where he dwelt, and abode with him that day: for it was about the "
                          "tenth hour.");
}

QString Matthew20_3()
{
    return QStringLiteral("Matthew 20:3  And he went out about the third hour, and saw others "
                          "standing idle in the marketplace,");
}

QString Numbers3_47()
{
    return QStringLiteral(
        "Numbers 3:47  Thou shalt even take five shekels apiece by the poll, after the shekel of "
        "the sanctuary shalt thou take them: (the shekel is twenty gerahs:)");
}

// The verse breaks off after "and" in the quotation as it has always been shown.
QString Exodus38_26()
{
    return QStringLiteral(
        "Exodus 38:26  A bekah for every man, that is, half a shekel, after the shekel of the "
        "sanctuary, for every one that went to be numbered, from twenty years old and");
}

} // namespace catalog::scripture
