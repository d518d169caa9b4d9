// FormatResult on any text, and on the texts the converters give it: NumberText of a double.
//
// What holds for a result without an exponent: "." as the decimal point, no grouping, and
// after the point either eight zeros (a value whole after the rounding) or two to four
// decimals that are not all zeros, where three or four decimals end in a non-zero digit
// ("2.50", "0.525", "1234.5679", "12.00000000"). Before the point at least one digit, except
// for a negative value below 1 ("-.50"), and no leading zero otherwise. The text is the same
// under every locale. Below 1E15 in magnitude the input's value gives no exponent form, and
// the result is that value rounded to four decimals, held to 15 significant digits. A number
// beyond the range of a double gives the empty text.
//
// OSTREVAN_FUZZ_LOCALES (names separated by blanks or commas) replaces the locales compared.

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include "Support.h"
#include "format/FormatResult.h"
#include "format/Numbers.h"

using namespace fuzz;

namespace {

// Decimal commas, blanks, apostrophes and U+2212 as separators and signs, native digits
// and a minus behind a direction mark.
const char *const kDefaultLocales = "en_US de_DE fr_CH de_CH sv_SE bn_BD he_IL";

std::vector<QLocale> &Locales()
{
    static std::vector<QLocale> locales;
    return locales;
}

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Empty where the text has the shape above, else what is wrong with it.
std::string ShapeFault(const QString &r)
{
    const qsizetype point = r.indexOf(u'.');
    if (point < 0 || r.indexOf(u'.', point + 1) >= 0)
        return "not exactly one point";
    const bool negative = r.startsWith(u'-');
    const QString whole = r.mid(negative ? 1 : 0, point - (negative ? 1 : 0));
    const QString decimals = r.mid(point + 1);
    for (QChar c : whole + decimals)
        if (!IsDigit(c))
            return "a character other than a digit, a leading minus and the point";
    if (whole.isEmpty() && !negative)
        return "no digit before the point";
    if (negative && whole.startsWith(u'0'))
        return "a zero before the point of a negative value";
    if (whole.size() > 1 && whole.startsWith(u'0'))
        return "a leading zero";
    const bool allZeros = decimals.count(u'0') == decimals.size();
    if (decimals.size() == 8)
        return allZeros ? std::string() : "eight decimals that are not all zeros";
    if (decimals.size() < 2 || decimals.size() > 4)
        return "neither eight zeros nor two to four decimals";
    if (allZeros)
        return "a whole value without its eight zeros";
    if (decimals.size() > 2 && decimals.endsWith(u'0'))
        return "a trailing zero beyond the second decimal";
    return {};
}

// FormatResult under every locale; fails unless all give the same text.
QString FormatEverywhere(const QString &input)
{
    QString first;
    for (std::size_t i = 0; i < Locales().size(); ++i) {
        QLocale::setDefault(Locales()[i]);
        const QString r = FormatResult(input);
        if (i == 0)
            first = r;
        else if (r != first)
            Fail("FormatResult gives the same text under every locale",
                 "input " + Shown(input) + ": " + Shown(first) + " under " +
                     Locales()[0].name().toStdString() + ", " + Shown(r) + " under " +
                     Locales()[i].name().toStdString());
    }
    return first;
}

void CheckText(const QString &input)
{
    const QString r = FormatEverywhere(input);
    if (!std::isfinite(LeadingNumber(input))) {
        if (!r.isEmpty())
            Fail("FormatResult of a number beyond a double is empty", "input " + Shown(input) + " gives " + Shown(r));
        return;
    }
    if (r.contains(u'E'))
        return; // a value of 1E15 or more keeps the exponent form PointText gave it
    const std::string fault = ShapeFault(r);
    if (!fault.empty())
        Fail("FormatResult's text has its point and two to four decimals or eight zeros",
             "input " + Shown(input) + " gives " + Shown(r) + ": " + fault);
}

void CheckValue(double x)
{
    if (!std::isfinite(x))
        return;
    const QString input = NumberText(x);
    const double v = LeadingNumber(input);
    if (!(std::fabs(v) < 1e15))
        return;
    const QString r = FormatEverywhere(input);
    const std::string about = "x " + Shown(x) + ", input " + Shown(input) + ", result " + Shown(r);
    if (r.contains(u'E'))
        Fail("FormatResult of a value below 1E15 has no exponent", about);
    const std::string fault = ShapeFault(r);
    if (!fault.empty())
        Fail("FormatResult's text has its point and two to four decimals or eight zeros", about + ": " + fault);
    // Half a unit of the fourth decimal, or of the 15th digit where that is coarser.
    const double shown = LeadingNumber(r);
    if (!(std::fabs(shown - v) <= 0.00005 * (1 + 1e-9) + std::fabs(v) * 1e-14))
        Fail("FormatResult is its input rounded to four decimals", about + ", reads as " + Shown(shown));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *names = std::getenv("OSTREVAN_FUZZ_LOCALES");
    const QString list = QString::fromLatin1(names && *names ? names : kDefaultLocales);
    for (const QString &name : list.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
        const QLocale locale(name);
        if (locale.name() != name)
            std::fprintf(stderr, "locale %s is %s here\n", qPrintable(name), qPrintable(locale.name()));
        Locales().push_back(locale);
    }
    if (Locales().empty())
        Locales().push_back(QLocale(QLocale::English, QLocale::UnitedStates));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    return CheckInput(data, size, CheckText, CheckValue);
}
