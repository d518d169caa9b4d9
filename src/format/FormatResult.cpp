#include "format/FormatResult.h"

#include "format/Numbers.h"

QString FormatResult(const QString &raw)
{
    const double v = LeadingNumber(raw);
    const QString masked = MaskText(v, QString::fromLatin1(ResultMask));
    // The mask's own text always reads back; the rounding through the user's symbols is the point.
    const double rounded = LocaleNumber(masked).value_or(0.0);
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
