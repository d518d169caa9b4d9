// LeadingNumber on any text, and NumberText / PointText read back through it. The program's
// own number ("." as the point, "," between thousands) on any text, against Qt's C locale:
// what one reads the other reads the same, but for a number below the range of a double,
// which the program reads as a zero and Qt refuses, and a group after a leading zero
// ("0,750"), which Qt takes and the program does not.

#include <QLocale>
#include <QRegularExpression>

#include "Support.h"
#include "format/Numbers.h"
#include "format/TypedText.h"

using namespace fuzz;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A decimal comma in force: none of these may follow the user's settings.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

namespace {

bool GroupAfterALeadingZero(const QString &t)
{
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    return i < t.size() && t[i] == u'0' && t.indexOf(u',') > i;
}

// In ASCII, where a text is its own plain form.
void CheckProgramNumber(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() >= 0x80)
            return;
    const QString t = text.trimmed();
    const std::optional<double> own = ProgramNumber(text);
    bool ok = false;
    const double c = QLocale::c().toDouble(t, &ok);
    const std::optional<double> qt = (ok ? std::isfinite(c) : std::isinf(c)) ? std::optional(c) : std::nullopt;
    const std::string about = "text " + Shown(text) + " gives " + (own ? Shown(*own) : "none") + ", Qt's C locale "
        + (qt ? Shown(*qt) : "none");
    if (own && qt ? *own != *qt : own.has_value() != qt.has_value()) {
        const bool underflow = own && *own == 0.0 && !qt && t.contains(QRegularExpression(QStringLiteral("[eE]-")));
        const bool zeroLed = qt && !own && GroupAfterALeadingZero(t);
        if (!underflow && !zeroLed)
            Fail("the program's own number reads as Qt's C locale reads it", about);
    }
}

void CheckText(const QString &text)
{
    const double v = LeadingNumber(text);
    if (std::isnan(v))
        Fail("LeadingNumber gives a number or 0, never NaN", "text " + Shown(text));
    // Only the leading part counts, so a letter after the end changes nothing.
    const double longer = LeadingNumber(text + u'x');
    if (!SameBits(longer, v))
        Fail("LeadingNumber reads only a leading part",
             "text " + Shown(text) + " gives " + Shown(v) + ", with an x after it " + Shown(longer));
    CheckProgramNumber(text);
}

void CheckValue(double x)
{
    if (!std::isfinite(x))
        return;
    const QString text = NumberText(x);
    const double back = LeadingNumber(text);
    // NumberText writes -0 as "0", which reads as +0.
    const Held expected = x == 0.0 ? Held{0.0, 0.0} : HeldTo15(x);
    const std::string about = "x " + Shown(x) + ", NumberText " + Shown(text) + ", read back " + Shown(back);
    if (!expected.Matches(back))
        Fail("LeadingNumber(NumberText(x)) is x held to 15 digits", about + ", expected " + expected.Shown());

    if (text.contains(u',') || text.contains(u'e') || text.contains(u' '))
        Fail("NumberText has a point, no grouping and a capital E", about);
    const double size = std::fabs(back);
    const bool exponentForm = back != 0.0 && (size >= 1e15 || size < 1e-4);
    if (text.contains(u'E') != exponentForm)
        Fail("NumberText uses the exponent form exactly from 1E15 and below 1E-4", about);

    // 15 digits survive a second trip unchanged.
    if (std::isfinite(back) && NumberText(back) != text)
        Fail("NumberText(LeadingNumber(NumberText(x))) is NumberText(x)",
             about + ", written again " + Shown(NumberText(back)));

    // FormatResult reads PointText's ".75" and " 12" forms the same way.
    const QString point = PointText(x);
    if (!SameBits(LeadingNumber(point), back))
        Fail("PointText reads back as NumberText does", about + ", PointText " + Shown(point));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return CheckInput(data, size, CheckText, CheckValue);
}
