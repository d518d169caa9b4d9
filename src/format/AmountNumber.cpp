#include "format/Numbers.h"

// The amount and the money multiples: a number as the user or the program writes it, read
// whole, or with words after it as it would read alone; a number mistyped or meaning two
// things refused rather than cut short in silence.

#include <QLocale>

#include "format/TypedText.h"

namespace {

// What a number standing alone says: one number, or more than one.
struct Alone
{
    bool refused;
    double value = 0;
};

// A trimmed plain text by the user's reading and the program's; none where neither reads it.
std::optional<Alone> ReadAlone(const QString &t)
{
    // A point at the end hides no second reading: "1,000." says what "1,000" says.
    if (t.size() > 1 && t.endsWith(u'.') && t[t.size() - 2].isDigit())
        if (const auto before = ReadAlone(t.chopped(1)); before && before->refused)
            return before;
    const UsersReading users = ReadAsTheUserWrites(t);
    if (users.twoWays)
        return Alone{true};
    const std::optional<double> own = ProgramNumber(t);
    if (users.value && own)
        return *users.value == *own ? Alone{false, *own} : Alone{true};
    if (users.value || own)
        return Alone{false, users.value ? *users.value : *own};
    return std::nullopt;
}

Amount From(const Alone &alone, Amount::Reading reading)
{
    return alone.refused ? Amount{Amount::Reading::Refused} : Amount{reading, alone.value};
}

} // namespace

Amount AmountNumber(const QString &text)
{
    using enum Amount::Reading;
    const QString t = PlainForm(text).trimmed();
    if (const auto whole = ReadAlone(t))
        return From(*whole, Whole);
    const NumberMarks marks = NumberMarks::Of(QLocale());
    const QString head = t.left(HeadEnd(t, marks)).trimmed();
    if (head.size() < t.size())
        if (const auto alone = ReadAlone(head))
            return From(*alone, Leading);
    if (Mistyped(head, marks))
        return {Refused};
    return {Leading, LeadingNumber(head)};
}
