#include "format/TypedText.h"

#include "format/LocaleFacts.h"
#include "format/Numbers.h"

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsSign(QChar c) { return c == u'+' || c == u'-'; }

qsizetype DigitsFrom(const QString &t, qsizetype i)
{
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i;
}

// An exponent's digits after its letter at i, with their sign: where they end, or i.
qsizetype ExponentDigitsEnd(const QString &t, qsizetype i)
{
    qsizetype j = i;
    if (j < t.size() && IsSign(t[j]))
        ++j;
    const qsizetype end = DigitsFrom(t, j);
    return end > j ? end : i;
}

} // namespace

QString PlainForm(const QString &text)
{
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Some scripts' digits lie beyond the 16-bit range, two UTF-16 units each.
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t u = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : char32_t(c.unicode());
        if (QChar::category(u) == QChar::Number_DecimalDigit) {
            t += QChar(u'0' + QChar::digitValue(u));
            i += pair ? 1 : 0;
        } else if (pair) {
            t += c;
            t += text[++i];
        } else if (IsDirectionMark(c)) {
            continue;
        } else if (c == u'\u2019') {
            t += u'\'';
        } else if (c == u'\u2212') {
            t += u'-';
        } else if (const auto tag = c.decompositionTag();
                   tag == QChar::Wide || tag == QChar::Narrow || tag == QChar::NoBreak) {
            t += c.decomposition();
        } else {
            t += c;
        }
    }
    return t;
}

// A scan rather than a pattern, so that no length of text is too long for it: the groups
// checked, then the rest is the leading-number rule's number and nothing else.
std::optional<double> ProgramNumber(const QString &plain)
{
    const QString t = plain.trimmed();
    const qsizetype first = !t.isEmpty() && IsSign(t[0]) ? 1 : 0;
    qsizetype i = DigitsFrom(t, first);
    if (i < t.size() && t[i] == u',') {
        if (i == first || i - first > 3 || t[first] == u'0')
            return std::nullopt;
        while (i < t.size() && t[i] == u',') {
            if (DigitsFrom(t, i + 1) != i + 4)
                return std::nullopt;
            i += 4;
        }
    }
    const QString ungrouped = t.left(i).remove(u',') + t.mid(i);
    if (const LeadingSpan span = LeadingNumberSpan(ungrouped); span.end == span.begin || span.end != ungrouped.size())
        return std::nullopt;
    return LeadingNumber(ungrouped);
}

NumberMarks NumberMarks::Of(const QLocale &locale)
{
    return {PlainForm(locale.decimalPoint()), PlainForm(locale.groupSeparator()), ExponentSignOf(locale)};
}

qsizetype NumberMarks::SeparatorAt(const QString &t, qsizetype i) const
{
    if (i >= t.size())
        return 0;
    for (const QString &own : {decimalPoint, groupSeparator})
        if (!own.isEmpty() && QStringView(t).sliced(i).startsWith(own))
            return own.size();
    const QChar c = t[i];
    return c.isSpace() || c == u',' || c == u'.' || c == u'\'' ? 1 : 0;
}

qsizetype NumberMarks::ExponentAt(const QString &t, qsizetype i) const
{
    if (i >= t.size())
        return 0;
    if (t[i] == u'e' || t[i] == u'E')
        return 1;
    return !exponentSign.isEmpty() && QStringView(t).sliced(i).startsWith(exponentSign) ? exponentSign.size() : 0;
}

qsizetype HeadEnd(const QString &t, const NumberMarks &marks)
{
    qsizetype i = 0;
    while (i < t.size() && t[i].isSpace())
        ++i;
    if (i < t.size() && IsSign(t[i]))
        ++i;
    while (i < t.size()) {
        if (IsDigit(t[i])) {
            ++i;
            continue;
        }
        // An exponent goes on a number only straight after its digits or its point.
        if (const qsizetype sign = marks.ExponentAt(t, i); sign > 0 && i > 0 && (IsDigit(t[i - 1]) || t[i - 1] == u'.'))
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

bool Mistyped(const QString &t, const NumberMarks &marks)
{
    const LeadingSpan span = LeadingNumberSpan(t);
    if (span.end == span.begin)
        return false;
    qsizetype j = span.end;
    while (const qsizetype separator = marks.SeparatorAt(t, j))
        j += separator;
    return j > span.end && j < t.size() && IsDigit(t[j]);
}
