#include "format/Numbers.h"
#include "format/PointNumbers.h"

// The conversions that always use "." as the decimal point, whatever the user's settings.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// The decimal exponent of the first significant digit of an unsigned "." number such as
// "0012.5e+3" (4 here), 0 for a zero. The exponent's own digits saturate, so that
// "1e99999999999999999999" stays far above any double.
long long MagnitudeOf(std::string_view number)
{
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::size_t i = e + 1;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    return exponent + (first < point ? (long long)(point - first) - 1 : -(long long)(first - point));
}

// A "." number as the C library writes it ("-12.5e+3"), in any locale and on every
// platform; beyond the range of a double, an infinity or a zero of its sign.
double PointDouble(const QByteArray &ascii)
{
    std::string_view text(ascii.constData(), std::size_t(ascii.size()));
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    double value = 0.0;
    // Out of range, from_chars leaves the value alone: an overflow or an underflow.
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range)
        value = MagnitudeOf(text) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

FifteenDigits DigitsOf(double value)
{
    const QString e = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde±XX
    return {e.left(1) + e.mid(2, 14), e.mid(e.indexOf(u'e') + 1).toInt()};
}

qsizetype LatinDigitsEnd(const QString &text, qsizetype i)
{
    while (i < text.size() && IsLatinDigit(text[i]))
        ++i;
    return i;
}

qsizetype ExponentDigitsEnd(const QString &text, qsizetype i)
{
    qsizetype j = i;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
        ++j;
    const qsizetype end = LatinDigitsEnd(text, j);
    return end > j ? end : i;
}

LeadingSpan LeadingNumberSpan(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype begin = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype integer = LatinDigitsEnd(text, i);
    qsizetype digits = integer - i;
    i = integer;
    if (i < n && text[i] == u'.') {
        const qsizetype decimals = LatinDigitsEnd(text, i + 1);
        digits += decimals - i - 1;
        i = decimals;
    }
    if (digits == 0)
        return {begin, begin};
    // The exponent counts only where digits follow its letter and sign.
    if (i < n && (text[i] == u'E' || text[i] == u'e'))
        if (const qsizetype end = ExponentDigitsEnd(text, i + 1); end > i + 1)
            i = end;
    return {begin, i};
}

double LeadingNumber(const QString &text)
{
    const auto [begin, end] = LeadingNumberSpan(text);
    if (end == begin)
        return 0.0;
    return PointDouble(text.mid(begin, end - begin).toLatin1());
}

QString NumberText(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0: a sign before nothing means nothing
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    // %g with 15 digits switches to the exponent form exactly below 1E-04 and from 1E+15.
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    return text;
}

std::optional<double> HeldTo15Digits(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double held = LeadingNumber(NumberText(value));
    if (!std::isfinite(held))
        return std::nullopt;
    return held;
}

QString PointText(double value)
{
    QString text = NumberText(value);
    if (text.startsWith(QStringLiteral("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QStringLiteral("-0.")))
        text.remove(1, 1);
    if (!text.startsWith(u'-'))
        text.prepend(u' ');
    return text;
}

double RoundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value) || value == 0.0)
        return value == 0.0 ? 0.0 : value;
    const auto [digits, exponent] = DigitsOf(value);
    const int kept = exponent + 1 + decimals; // digits before the rounding point
    if (kept >= 15)
        return value;
    if (kept < 0)
        return 0.0;
    QString whole = digits.left(kept);
    bool up = digits[kept] >= u'5';
    // Add one to the kept digits, carrying left.
    if (up) {
        int k = whole.size() - 1;
        while (k >= 0 && whole[k] == u'9') {
            whole[k] = u'0';
            --k;
        }
        if (k < 0)
            whole.prepend(u'1');
        else
            whole[k] = QChar(whole[k].unicode() + 1);
    }
    if (whole.isEmpty() || whole.count(u'0') == whole.size())
        return 0.0;
    const QByteArray decimal = (whole + QStringLiteral("e") + QString::number(-decimals)).toLatin1();
    const double rounded = PointDouble(decimal);
    return value < 0 ? -rounded : rounded;
}

