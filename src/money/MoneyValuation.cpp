#include "money/MoneyValuation.h"

#include "catalog/LineBreak.h"
#include "catalog/Messages.h"
#include "format/Numbers.h"

namespace money {

namespace {

CoinFault Unreadable(PanelInput input) { return {input, catalog::EnterANumberMessage}; }
CoinFault TooLarge(PanelInput input) { return {input, catalog::TooLargeMessage}; }

// The box that holds the price of a metal.
PanelInput PriceBox(Metal metal) { return metal == Metal::Silver ? PanelInput::Silver : PanelInput::Gold; }

// The last two steps of every coin: the value as its number text, then that text read
// back and written in the user's currency form.
CoinResult Written(double value, PanelInput blamed)
{
    const std::optional<double> back = HeldTo15Digits(value);
    if (!back)
        return TooLarge(blamed);
    return CoinText{NumberText(value), CurrencyText(*back)};
}

const QString Dollars = QStringLiteral("U.S. Dollars");
const QString Gap = QStringLiteral("  ");

} // namespace

CoinResult CoinValue(const ByWeight &coin, const QString &priceText, const QString &multipleText)
{
    const Amount multiple = AmountNumber(multipleText);
    if (multiple.reading == Amount::Reading::Refused)
        return Unreadable(PanelInput::Multiple);
    const std::optional<double> price = LocaleNumber(priceText);
    if (!price)
        return Unreadable(PriceBox(coin.metal));
    // A price beyond the range of a double reads as an infinity: too large, like such a product.
    const std::optional<double> held = HeldTo15Digits(*price * coin.ounces);
    if (!held)
        return TooLarge(PriceBox(coin.metal));
    // The multiple multiplies the held product; it takes no part in what is held.
    return Written(*held * multiple.value, PanelInput::Multiple);
}

CoinResult FixedCoinValue(double dollars, const QString &multipleText)
{
    // Unlike the metal coins, the small coins take only a multiple that is a number as a whole:
    // one with words after it, an empty one or none at all cannot be read for them.
    const Amount multiple = AmountNumber(multipleText);
    if (multiple.reading != Amount::Reading::Whole)
        return Unreadable(PanelInput::Multiple);
    return Written(multiple.value * dollars, PanelInput::Multiple);
}

QString MoneySummary(const QList<SummaryLine> &lines, bool endsInDollars)
{
    QString summary;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            summary += catalog::LineBreak;
        summary += lines[i].label + Gap + lines[i].amount;
        if (endsInDollars)
            summary += Gap + Dollars;
    }
    return summary;
}

namespace {

using enum CoinBox;
using enum Metal;

// Ounces per coin. The Old Testament talent is the money talent, half the talent of the
// weight table. The New Testament panel has a table of its own: its shekel, mina and talent
// differ from the Old Testament ones and from the New Testament weight table.
const double OtShekel = 0.403, OtMina = 20.16, OtTalent = 604.8;
const double Bekah = 0.182, Drachma = 0.27, Denarius = 0.01, Gerah = 0.0182, NtMina = 18.2,
             NtShekel = 0.364, NtTalent = 1456;

} // namespace

const MoneyPanel &OldTestamentPanel()
{
    static const MoneyPanel panel{{
        {txtShekSil, QStringLiteral("SHECKEL - Silver ="), ByWeight{Silver, OtShekel}},
        {txtShekGol, QStringLiteral("SHECKEL - Gold ="), ByWeight{Gold, OtShekel}},
        {txtMinSil, QStringLiteral("MINA - Silver ="), ByWeight{Silver, OtMina}},
        {txtMinGol, QStringLiteral("MINA - Gold ="), ByWeight{Gold, OtMina}},
        {txtTalSil, QStringLiteral("TALENT - Silver ="), ByWeight{Silver, OtTalent}},
        {txtTalGol, QStringLiteral("TALENT - Gold ="), ByWeight{Gold, OtTalent}},
    }, true};
    return panel;
}

const MoneyPanel &NewTestamentPanel()
{
    // The small coins lead the summary although they run last.
    static const MoneyPanel panel{{
        {txtFarthing, QStringLiteral("FARTHING = Approximately"), AtDollars{0.04}},
        {txtMite, QStringLiteral("MITE = Approximately"), AtDollars{0.015}},
        {txtPenny, QStringLiteral("PENNY = Approximately"), AtDollars{0.05}},
        {txtBekSil, QStringLiteral("BEKA - Silver  ="), ByWeight{Silver, Bekah}},
        {txtDraSil, QStringLiteral("DRACHMA - Silver ="), ByWeight{Silver, Drachma}},
        {txtDraGol, QStringLiteral("DRACHMA - Gold ="), ByWeight{Gold, Drachma}},
        {txtDenSil, QStringLiteral("DENAIRUS - Silver ="), ByWeight{Silver, Denarius}},
        {txtDenGol, QStringLiteral("DENAIRUS - Gold ="), ByWeight{Gold, Denarius}},
        {txtGerSil, QStringLiteral("GERAH - Silver ="), ByWeight{Silver, Gerah}},
        {txtGerGol, QStringLiteral("GERAH - Gold ="), ByWeight{Gold, Gerah}},
        {txtMinaSil, QStringLiteral("MINA or POUND - Silver ="), ByWeight{Silver, NtMina}},
        {txtMinaGol, QStringLiteral("MINA or POUND - Gold ="), ByWeight{Gold, NtMina}},
        {txtSheSil, QStringLiteral("SHEKEL - Silver ="), ByWeight{Silver, NtShekel}},
        {txtSheGol, QStringLiteral("SHEKEL - Gold ="), ByWeight{Gold, NtShekel}},
        {txtTaleSil, QStringLiteral("TALENT - Silver ="), ByWeight{Silver, NtTalent}},
        {txtTaleGol, QStringLiteral("TALENT - Gold ="), ByWeight{Gold, NtTalent}},
    }, false};
    return panel;
}

ValuationOutcome Value(const MoneyPanel &panel, const PanelTexts &texts)
{
    ValuationOutcome out;
    // Values one coin and records its write; false when the valuation stops there.
    auto run = [&](const CoinRow &coin) {
        CoinResult result;
        if (const auto *weight = std::get_if<ByWeight>(&coin.value)) {
            const QString &price = weight->metal == Metal::Silver ? texts.silver : texts.gold;
            result = CoinValue(*weight, price, texts.multiple);
        } else {
            result = FixedCoinValue(std::get<AtDollars>(coin.value).dollars, texts.multiple);
        }
        if (const auto *fault = std::get_if<CoinFault>(&result)) {
            out.failure = *fault;
            return false;
        }
        out.coinWrites.append({coin.box, std::get<CoinText>(result)});
        return true;
    };
    for (const bool byWeight : {true, false})
        for (const CoinRow &coin : panel.coins)
            if (std::holds_alternative<ByWeight>(coin.value) == byWeight && !run(coin))
                return out;

    QList<SummaryLine> lines;
    for (const CoinRow &coin : panel.coins) {
        QString amount;
        for (const CoinWrite &write : out.coinWrites)
            if (write.box == coin.box)
                amount = write.text.currency;
        lines.append({coin.label, amount});
    }
    out.summary = MoneySummary(lines, panel.endsInDollars);
    return out;
}

} // namespace money
