#pragma once
// What the fuzz targets share: texts and doubles taken from the fuzzer's bytes, the 15-digit
// reference value of a double, and a failure that libFuzzer keeps as a crash with its input.

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <vector>

#include <QString>

namespace fuzz {

[[noreturn]] inline void Fail(const char *property, const std::string &details)
{
    std::fprintf(stderr, "\n*** property failed: %s\n%s\n", property, details.c_str());
    std::fflush(stderr);
    std::abort();
}

// A text as printable ASCII, everything else as \uXXXX, so a log shows blanks and marks.
inline std::string Shown(const QString &text)
{
    std::string out = "\"";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != u'"' && u != u'\\') {
            out += char(u);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\u%04x", unsigned(u));
            out += b;
        }
    }
    return out + "\"";
}

inline std::string Shown(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    char b[64];
    std::snprintf(b, sizeof b, "%.17g (0x%016" PRIx64 ")", x, bits);
    return b;
}

inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// strtod in the C locale, whatever the process's LC_NUMERIC.
inline double CDouble(const char *text)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text, nullptr, c);
}

// The bytes read as UTF-8, and as UTF-16 code units (an odd last byte dropped): between them
// every QChar, lone surrogates included, can reach the code under test.
inline std::vector<QString> TextsFrom(const std::uint8_t *data, std::size_t size)
{
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * 2);
    return {QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)),
            QString(reinterpret_cast<const QChar *>(units.data()), qsizetype(units.size()))};
}

// Doubles to try: the first eight bytes as they lie in memory (any bit pattern), and the
// bytes read as a C number (decimal values such as 0.015 that bit patterns rarely hit).
inline std::vector<double> DoublesFrom(const std::uint8_t *data, std::size_t size)
{
    std::vector<double> values;
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        values.push_back(raw);
    }
    const std::string text(reinterpret_cast<const char *>(data), std::min<std::size_t>(size, 64));
    values.push_back(CDouble(text.c_str()));
    return values;
}

// One fuzzer input: every text and every double it gives, each through its check.
template <typename TextCheck, typename ValueCheck>
int CheckInput(const std::uint8_t *data, std::size_t size, TextCheck checkText, ValueCheck checkValue)
{
    for (const QString &text : TextsFrom(data, size))
        checkText(text);
    for (double x : DoublesFrom(data, size))
        checkValue(x);
    return 0;
}

// x's decimal value held to 15 significant digits, as the double nearest to it. glibc's
// "%.14e" rounds a tie half to even, Qt's conversion half away from zero; a tie needs x to lie
// exactly half-way at the 16th digit (1 + 2^-15 is one), and then either neighbour holds.
struct Held
{
    double nearest; // strtod of "%.15g"
    double other;   // at an exact tie the other neighbour, else the same as nearest
    bool Matches(double v) const { return SameBits(v, nearest) || SameBits(v, other); }
    std::string Shown() const
    {
        return fuzz::Shown(nearest) + (SameBits(nearest, other) ? "" : " or " + fuzz::Shown(other));
    }
};

inline Held HeldTo15(double x)
{
    char b[900];
    std::snprintf(b, sizeof b, "%.14e", x);
    const double even = CDouble(b);
    Held held{even, even};
    if (!std::isfinite(x) || x == 0.0)
        return held;

    // Digits 16 to 20 first; only a "5" followed by zeros needs the exact expansion.
    std::snprintf(b, sizeof b, "%.19e", std::fabs(x));
    if (std::strncmp(b + 16, "50000", 5) != 0)
        return held;
    std::snprintf(b, sizeof b, "%.800e", std::fabs(x)); // every decimal digit of a double
    const char *e = std::strchr(b, 'e');
    for (const char *p = b + 17; p < e; ++p)
        if (*p != '0')
            return held;

    std::uint64_t digits = std::uint64_t(b[0] - '0');
    for (int i = 2; i < 16; ++i)
        digits = digits * 10 + std::uint64_t(b[i] - '0');
    const int exponent = std::atoi(e + 1) - 14;
    char t[64];
    std::snprintf(t, sizeof t, "%" PRIu64 "e%d", digits, exponent);
    const double down = std::copysign(CDouble(t), x);
    std::snprintf(t, sizeof t, "%" PRIu64 "e%d", digits + 1, exponent);
    const double up = std::copysign(CDouble(t), x);
    held.other = SameBits(even, down) ? up : down;
    return held;
}

} // namespace fuzz
