#include "convert/linear/CubitNote.h"

#include "catalog/LineBreak.h"

namespace convert::linear {

QString CubitNote()
{
    static const QString note =
        QStringLiteral("There were various cubit lengths in Biblical times") + catalog::LineBreak +
        QStringLiteral(
            "Qarvel's Bible Dictionary says this:  Hebrew - 'ammah; i.e., (mother of the arm,) the "
            "fore-arm, is a word derived from the Latin cubitus, the lower arm. "
            "It is difficult to determine the exact length of this measure, for it is not known "
            "with certainty whether it was reckoned from the elbow to the tip of the longest "
            "finger, or from the elbow only to the root of the hand at the wrist. "
            "The probability is that the longer was the original cubit.");
    return note;
}

} // namespace convert::linear
