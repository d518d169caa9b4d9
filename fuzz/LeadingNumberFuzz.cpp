// LeadingNumber on any text, and NumberText / PointText read back through it.

#include <QLocale>

#include "Support.h"
#include "format/Numbers.h"

using namespace fuzz;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A decimal comma in force: none of these may follow the user's settings.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return 0;
}

namespace {

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
