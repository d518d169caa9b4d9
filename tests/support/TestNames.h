#pragma once
// Names of parameterised tests made from what each case holds, so that a name says what it
// checks and is the same in every listing (ctest -R reruns it, CTest keeps its timings).
// GoogleTest takes letters, digits and '_' only, and each name once in an instantiation.
//
// A suite names its cases with CaseName, whose parts are names (units, controls, locales:
// NamePart), typed texts where every character counts (Typed) or numbers, through a lambda:
//     INSTANTIATE_TEST_SUITE_P(Pairs, Suite, ::testing::Values(...),
//                              [](const auto &info) { return CaseName(info.param.from, "to", info.param.to); });
// GoogleTest stops at the start on a name given twice, as where one number is typed in the
// digits of two scripts (Typed writes every script's digits as ASCII ones): such a case says
// in a part of its name how it was typed. The case type's PrintTo shows the case in full, in
// failures and in --gtest_list_tests.
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include <QString>
#include <QStringDecoder>

namespace test_names_detail {

inline bool IsAsciiAlnum(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace test_names_detail

// A text as a part of a name: its ASCII letters and digits, any other script's digits as
// theirs, a sign before a digit or a point as "minus" or "plus", an apostrophe within a word
// left out, and each run of anything else one '_', none at either end:
// "1,234.5679" "1_234_5679", "-0.5" "minus_0_5", "Day's Journey (Alone)" "Days_Journey_Alone".
// A text without a letter or a digit is "Empty", "Blank" or "Signs".
inline std::string NamePart(const QString &text)
{
    using namespace test_names_detail;
    std::string part;
    bool gap = false;
    const auto add = [&](std::string_view word) {
        if (gap && !part.empty())
            part += '_';
        gap = false;
        part += word;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (IsAsciiAlnum(c.unicode())) {
            add(std::string(1, char(c.unicode())));
        } else if (c.isDigit() && c.digitValue() >= 0) {
            add(std::string(1, char('0' + c.digitValue())));
        } else if ((c == u'-' || c == u'\u2212' || c == u'+') && (next.isDigit() || next == u'.')) {
            gap = true;
            add(c == u'+' ? "plus" : "minus");
            gap = true;
        } else if ((c == u'\'' || c == u'\u2019') && i > 0 && text[i - 1].isLetter() && next.isLetter()) {
            // "Day's" reads "Days"
        } else {
            gap = true;
        }
    }
    if (!part.empty())
        return part;
    if (text.isEmpty())
        return "Empty";
    return text.trimmed().isEmpty() ? "Blank" : "Signs";
}

inline std::string NamePart(std::string_view text)
{
    return NamePart(QString::fromUtf8(text.data(), qsizetype(text.size())));
}
inline std::string NamePart(const char *text) { return text ? NamePart(std::string_view(text)) : "None"; }
inline std::string NamePart(const std::string &text) { return NamePart(std::string_view(text)); }

// A text typed into the program, a number or an amount, where every character counts: its
// letters and digits as NamePart keeps them, one blank between two of them '_', and every
// other character spelled ("dot", "comma", "blank", "nbsp", "minus", "dollar", "euro"...,
// else "u" and its code): "1,234.5679" "1_comma_234_dot_5679", "$ 350.00" "dollar_blank_350_dot_00".
// What a case types, from its UTF-8. QString::fromUtf8 drops a byte-order mark at the start,
// which a paste into the program keeps.
inline QString TypedUtf8(const char *utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(utf8);
}

struct Typed
{
    Typed(const char *utf8) : text(TypedUtf8(utf8)) {}
    Typed(const QString &text) : text(text) {}
    QString text;
};

inline std::string NamePart(const Typed &typed)
{
    using namespace test_names_detail;
    const QString &text = typed.text;
    if (text.isEmpty())
        return "Empty";
    std::string part;
    bool inRun = false; // the last thing added was a letter or a digit
    const auto word = [&](std::string_view w) {
        part += part.empty() ? "" : "_";
        part += w;
        inRun = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char ascii = 0;
        if (IsAsciiAlnum(c))
            ascii = char(c);
        else if (text[i].isDigit() && text[i].digitValue() >= 0)
            ascii = char('0' + text[i].digitValue());
        if (ascii) {
            if (!inRun && !part.empty())
                part += '_';
            part += ascii;
            inRun = true;
            continue;
        }
        const bool between = inRun && i + 1 < text.size() && IsAsciiAlnum(text[i + 1].unicode());
        switch (c) {
        case u' ':
            if (between)
                inRun = false; // a plain '_' before the next run
            else
                word("blank");
            break;
        case u'\t': word("tab"); break;
        case u'\u00a0': word("nbsp"); break;
        case u'\u202f': word("nnbsp"); break;
        case u'.': word("dot"); break;
        case u',': word("comma"); break;
        case u'-': word("minus"); break;
        case u'+': word("plus"); break;
        case u'(': word("open"); break;
        case u')': word("close"); break;
        case u'$': word("dollar"); break;
        case u'\u20ac': word("euro"); break;
        case u'\'': word("apos"); break;
        case u'&': word("and"); break;
        default: {
            char code[8];
            std::snprintf(code, sizeof code, "u%04x", unsigned(c));
            word(code);
        }
        }
    }
    return part;
}

// A number as a part of a name, to 15 digits: -2.5 "minus_2_5", 1.5e-07 "1_5e_minus_07".
inline std::string NamePart(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "minus_Infinity";
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", std::fabs(value));
    return (std::signbit(value) ? "minus_" : "") + NamePart(std::string_view(text));
}

template <class Integer, std::enable_if_t<std::is_integral_v<Integer> && !std::is_same_v<Integer, bool>, int> = 0>
std::string NamePart(Integer value)
{
    return NamePart(double(value));
}

// The parts of a case's name joined by '_': CaseName("en_US", "1,234.5679") is
// "en_US_1_234_5679", CaseName(unit::Finger, "to", unit::Feet) "Finger_to_Feet".
template <class... Parts>
std::string CaseName(const Parts &...parts)
{
    std::string name;
    const auto add = [&name](const std::string &part) {
        if (!name.empty())
            name += '_';
        name += part;
    };
    (add(NamePart(parts)), ...);
    return name;
}
