#include "format/TypedText.h"

#include "format/Numbers.h"
#include "format/PointNumbers.h"

QString PlainForm(const QString &text)
{
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Some scripts' digits, and some format characters, lie beyond the 16-bit range.
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t u = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : char32_t(c.unicode());
        const QChar::Category category = QChar::category(u);
        if (category == QChar::Number_DecimalDigit) {
            t += QChar(u'0' + QChar::digitValue(u));
            i += pair ? 1 : 0;
        } else if (category == QChar::Other_Format) {
            // Unseen, and pasted with the number from web pages and right-to-left documents.
            i += pair ? 1 : 0;
        } else if (pair) {
            t += c;
            t += text[++i];
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

bool LooksEmpty(const QString &text) { return PlainForm(text).isEmpty(); }

// A scan rather than a pattern, so that no length of text is too long for it: the groups
// checked, then the rest is the leading-number rule's number and nothing else.
std::optional<double> ProgramNumber(const QString &plain)
{
    const QString t = plain.trimmed();
    const qsizetype first = !t.isEmpty() && (t[0] == u'+' || t[0] == u'-') ? 1 : 0;
    qsizetype i = LatinDigitsEnd(t, first);
    if (i < t.size() && t[i] == u',') {
        if (i == first || i - first > 3 || t[first] == u'0')
            return std::nullopt;
        while (i < t.size() && t[i] == u',') {
            if (LatinDigitsEnd(t, i + 1) != i + 4)
                return std::nullopt;
            i += 4;
        }
    }
    const QString ungrouped = t.left(i).remove(u',') + t.mid(i);
    if (const LeadingSpan span = LeadingNumberSpan(ungrouped); span.end == span.begin || span.end != ungrouped.size())
        return std::nullopt;
    return LeadingNumber(ungrouped);
}

bool EndsInAPoint(const QString &plain)
{
    return plain.size() > 1 && plain.endsWith(u'.') && IsLatinDigit(plain[plain.size() - 2]);
}

qsizetype ExponentSignAt(const QString &plain, qsizetype i, const QString &localeSign)
{
    if (i >= plain.size())
        return 0;
    if (plain[i] == u'e' || plain[i] == u'E')
        return 1;
    return !localeSign.isEmpty() && QStringView(plain).sliced(i).startsWith(localeSign) ? localeSign.size() : 0;
}
