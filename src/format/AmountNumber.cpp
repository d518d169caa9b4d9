#include "format/Numbers.h"

// The amount and the money multiples: a number as the user's settings or the program's home
// convention write it, read whole, or with words after it as it would read alone; a number
// mistyped or meaning two things refused rather than cut short in silence.

#include <algorithm>

#include <QLocale>

#include "format/LocaleFacts.h"
#include "format/LocaleNumbers.h"
#include "format/PointNumbers.h"
#include "format/TypedText.h"

namespace {

// What may stand between the digits of a number as someone meant it: the program's "." and
// ",", a blank, "'", the Arabic decimal and thousands separators, and the user's own decimal
// point and group separator; and the user's own exponent sign beside "E". All in their plain
// forms.
struct NumberMarks
{
    static NumberMarks Of(const QLocale &locale)
    {
        return {PlainForm(locale.decimalPoint()), PlainForm(locale.groupSeparator()), ExponentSignOf(locale)};
    }

    // The length of the separator that starts at i, or 0.
    qsizetype SeparatorAt(const QString &t, qsizetype i) const
    {
        if (i >= t.size())
            return 0;
        for (const QString &own : {decimalPoint, groupSeparator})
            if (!own.isEmpty() && QStringView(t).sliced(i).startsWith(own))
                return own.size();
        const QChar c = t[i];
        const bool mark = c.isSpace() || c == u',' || c == u'.' || c == u'\'' || c == ArabicDecimalSeparator
            || c == ArabicThousandsSeparator;
        return mark ? 1 : 0;
    }

    // An exponent may follow a digit, a "." or the user's own decimal point.
    bool ExponentMayFollow(const QString &t, qsizetype i) const
    {
        return i > 0
            && (IsLatinDigit(t[i - 1]) || t[i - 1] == u'.'
                || (!decimalPoint.isEmpty() && QStringView(t).first(i).endsWith(decimalPoint)));
    }

    QString decimalPoint;
    QString groupSeparator;
    QString exponentSign; // empty where the locale's is "E"
};

// Where the number at the head of the trimmed plain text ends: its sign, then digits,
// separators and an exponent, up to the first character that cannot go on a number
// ("2,000 cubits" ends after "2,000 ", "12abc" after "12", "abc" at once).
qsizetype HeadEnd(const QString &t, const NumberMarks &marks)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    while (i < t.size()) {
        if (IsLatinDigit(t[i])) {
            ++i;
            continue;
        }
        if (const qsizetype sign = ExponentSignAt(t, i, marks.exponentSign); sign > 0 && marks.ExponentMayFollow(t, i))
            if (const qsizetype end = ExponentDigitsEnd(t, i + sign); end > i + sign) {
                i = end;
                continue;
            }
        if (const qsizetype separator = marks.SeparatorAt(t, i)) {
            i += separator;
            continue;
        }
        break;
    }
    return i;
}

// Whether words begin at i: a letter comes before the next digit, of any script, or the next
// of Unicode's other number characters ("½", "²"). Where the text ends first, it has none.
bool WordsBeginAt(const QString &t, qsizetype i)
{
    for (const char32_t u : QStringView(t).sliced(std::min(i, t.size())).toUcs4()) {
        if (QChar::isLetter(u))
            return true;
        if (QChar::isDigit(u) || QChar::category(u) == QChar::Number_Letter
            || QChar::category(u) == QChar::Number_Other)
            return false;
    }
    return true;
}

// What a number standing alone says: one number, or two that it may mean.
struct NumberSaid
{
    bool twoNumbers;
    double value = 0;
};

// A trimmed plain text by the user's reading and the program's; none where neither reads it.
std::optional<NumberSaid> ReadAlone(const QString &t)
{
    // A point at the end hides no second reading: "1,000." says what "1,000" says.
    if (EndsInAPoint(t))
        if (const auto before = ReadAlone(t.chopped(1)); before && before->twoNumbers)
            return before;
    const UsersReading users = ReadAsTheUserWrites(t);
    if (users.twoWays)
        return NumberSaid{true};
    const std::optional<double> own = ProgramNumber(t);
    if (users.value && own)
        return *users.value == *own ? NumberSaid{false, *own} : NumberSaid{true};
    if (users.value || own)
        return NumberSaid{false, users.value ? *users.value : *own};
    return std::nullopt;
}

Amount AmountOf(const NumberSaid &said, Amount::Reading reading)
{
    return said.twoNumbers ? Amount{Amount::Reading::Refused} : Amount{reading, said.value};
}

} // namespace

Amount AmountNumber(const QString &text)
{
    using enum Amount::Reading;
    const QString t = PlainForm(text).trimmed();
    if (const auto whole = ReadAlone(t))
        return AmountOf(*whole, Whole);
    const qsizetype headEnd = HeadEnd(t, NumberMarks::Of(QLocale()));
    const QString head = t.left(headEnd).trimmed();
    if (head.size() < t.size())
        if (const auto alone = ReadAlone(head))
            return WordsBeginAt(t, headEnd) ? AmountOf(*alone, Leading) : Amount{Refused};
    // The leading-number rule's number lies within the head, and says alone what it says here:
    // "2.000' Ellen" under German settings is no 2.
    const LeadingSpan leading = LeadingNumberSpan(t);
    if (!WordsBeginAt(t, leading.end))
        return {Refused};
    if (const auto alone = ReadAlone(t.first(leading.end)); alone && alone->twoNumbers)
        return {Refused};
    return {Leading, LeadingNumber(t)};
}
