#include "convert/Converter.h"

#include "format/FormatResult.h"
#include "format/Numbers.h"

namespace convert {

std::optional<double> ValueOf(const UnitTable &table, const QString &name)
{
    for (const UnitValue &row : table)
        if (row.name == name)
            return row.value;
    return std::nullopt;
}

double QuotientFactor(double fromValue, double toValue)
{
    // The tables' values are finite and not zero, so their quotients always hold; 0 is what
    // the text of any other would read back as.
    return HeldTo15Digits(fromValue / toValue).value_or(0.0);
}

PairConversion TablePair(const UnitTable &table, const QString &baseUnit,
                         const QString &fromUnit, const QString &toUnit)
{
    const double from = ValueOf(table, fromUnit).value();
    if (toUnit == baseUnit)
        return {fromUnit, toUnit, from};
    return {fromUnit, toUnit, QuotientFactor(from, ValueOf(table, toUnit).value())};
}

void AppendSection(ConverterGroup &group, const UnitTable &table, const QString &baseUnit,
                   const QString &fromUnit, const QStringList &toUnits,
                   const std::optional<NoteBlock> &note)
{
    if (note)
        group.blocks.append(*note);
    for (const QString &toUnit : toUnits)
        group.blocks.append(TablePair(table, baseUnit, fromUnit, toUnit));
}

ConverterGroup TableConverter(const UnitTable &table, const QString &baseUnit,
                              const QStringList &fromUnits, const QStringList &toUnits,
                              const QList<NoteBlock> &notes)
{
    ConverterGroup group;
    for (const QString &fromUnit : fromUnits) {
        std::optional<NoteBlock> note;
        for (const NoteBlock &n : notes)
            if (n.fromUnit == fromUnit)
                note = n;
        AppendSection(group, table, baseUnit, fromUnit, toUnits, note);
    }
    return group;
}

QString ResultSentence(const QString &amount, const QString &fromUnit, const QString &result,
                       const QString &toUnit)
{
    const QString gap = QStringLiteral("  ");
    return amount + gap + fromUnit + gap + u'=' + gap + result + gap + toUnit;
}

bool AmountMissing(const QString &amount) { return LooksEmpty(amount); }

ClickOutcome Click(const ConverterGroup &group, const ConverterInputs &in)
{
    ClickOutcome out;
    const Amount amount = AmountNumber(in.amount);
    out.amountUnreadable = amount.reading == Amount::Reading::Refused;
    for (const Block &block : group.blocks) {
        if (const auto *note = std::get_if<NoteBlock>(&block)) {
            if (in.fromUnit == note->fromUnit)
                (note->box == NoteBox::Text5 ? out.text5 : out.text6) = note->note;
            continue;
        }
        const auto &pair = std::get<PairConversion>(block);
        // Both texts are compared on every block, the to-unit first; no early exit.
        const bool toMatches = in.toUnit == pair.toUnit;
        const bool fromMatches = in.fromUnit == pair.fromUnit;
        if (!(toMatches && fromMatches) || out.amountUnreadable)
            continue;
        const double product = amount.value * pair.factor;
        if (!HeldTo15Digits(product)) {
            out.tooLarge = true;
            continue;
        }
        const QString result = FormatResult(NumberText(product));
        out.text3 = result;
        out.sentence = ResultSentence(in.amount, in.fromUnit, result, in.toUnit);
    }
    out.amountMissing = AmountMissing(in.amount);
    return out;
}

} // namespace convert
