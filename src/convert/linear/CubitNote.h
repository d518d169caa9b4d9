#pragma once
// The note the cubit converters show about the cubit's many lengths.
#include <QString>

namespace convert::linear {

inline const QString CubitNote = QStringLiteral(
    "There were various cubit lengths in Biblical times\r\n"
    "Qarvel's Bible Dictionary says this:  Hebrew - 'ammah; i.e., (mother of the arm,) the "
    "fore-arm, is a word derived from the Latin cubitus, the lower arm. "
    "It is difficult to determine the exact length of this measure, for it is not known with "
    "certainty whether it was reckoned from the elbow to the tip of the longest finger, or "
    "from the elbow only to the root of the hand at the wrist. "
    "The probability is that the longer was the original cubit.");

} // namespace convert::linear
