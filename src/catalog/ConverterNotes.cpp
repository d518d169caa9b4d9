#include "catalog/ConverterNotes.h"

#include "catalog/LineBreak.h"
#include "catalog/Scripture.h"

namespace catalog {

QString CubitNote()
{
    const QString heading = QStringLiteral("There were various cubit lengths in Biblical times");
    const QString dictionary = QStringLiteral(
        "Qarvel's Bible Dictionary says this:  Hebrew - 'ammah; i.e., (mother of the arm,) the "
        "fore-arm, is a word derived from the Latin cubitus, the lower arm. "
        "It is difficult to determine the exact length of this measure, for it is not known "
        "with certainty whether it was reckoned from the elbow to the tip of the longest "
        "finger, or from the elbow only to the root of the hand at the wrist. "
        "The probability is that the longer was the original cubit.");
    return heading + LineBreak + dictionary;
}

QString GerahNote()
{
    const QString dictionary = QStringLiteral(
        "Qarvel's Bible Dictionary  - A bean, probably of the carob tree, the smallest weight, "
        "and also the smallest piece of money, among the Hebrews, equal to the twentieth part "
        "of a shekel . This word came into use in the same way as our word grain, from a grain "
        "of wheat.");
    return dictionary + BlankLine + scripture::Numbers3_47();
}

} // namespace catalog
