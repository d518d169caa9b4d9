#include "format/FormatResult.h"

#include "format/Numbers.h"

#include <cmath>
#include <string_view>

namespace {

// The decimals the mask keeps.
constexpr int MaskDecimals(std::string_view mask)
{
    const std::size_t point = mask.find('.');
    return point == std::string_view::npos ? 0 : int(mask.size() - point - 1);
}

} // namespace

QString FormatResult(const QString &raw)
{
    const double v = LeadingNumber(raw);
    if (!std::isfinite(v))
        return {}; // no number to show: the converters call it too large before they come here
    const QString masked = MaskText(v, QString::fromLatin1(ResultMask));
    // Read back, the mask's text is v rounded to the mask's decimals under every locale Qt
    // knows, which the tests check. Were one ever not to read back, that rounding itself
    // is shown, never another number.
    const double rounded = LocaleNumber(masked).value_or(RoundHalfAway(v, MaskDecimals(ResultMask)));
    QString r = PointText(rounded).trimmed();

    if (r.contains(u'E'))
        return r; // an exponent form padded with decimals would be a malformed number
    const qsizetype point = r.indexOf(u'.');
    if (point < 0)
        return r + QStringLiteral(".00000000");
    if (r.size() - point - 1 == 1)
        r += u'0';
    if (point == 0)
        r.prepend(u'0');
    return r;
}
