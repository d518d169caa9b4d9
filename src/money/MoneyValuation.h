#pragma once
// The two money panels: each coin valued in dollars from the panel's metal prices and its
// multiple, and the summary the panel shows. Boxes are named by their design names, so the
// window can write what a valuation decides without knowing its order.

#include <optional>
#include <variant>

#include <QList>
#include <QString>

namespace money {

// Ounces per coin of the Old Testament panel. Its talent is the money talent, half the
// talent of the weight table.
namespace OldTestamentOunces {
inline constexpr double Shekel = 0.403;
inline constexpr double Mina = 20.16;
inline constexpr double Talent = 604.8;
} // namespace OldTestamentOunces

// Ounces per coin of the New Testament panel, a table of its own: its shekel, mina and
// talent differ from the Old Testament ones and from the New Testament weight table.
namespace NewTestamentOunces {
inline constexpr double Bekah = 0.182;
inline constexpr double Drachma = 0.27;
inline constexpr double Denarius = 0.01;
inline constexpr double Gerah = 0.0182;
inline constexpr double Mina = 18.2;
inline constexpr double Shekel = 0.364;
inline constexpr double Talent = 1456;
} // namespace NewTestamentOunces

// Dollars per small New Testament coin, which has no metal price.
namespace CoinDollars {
inline constexpr double Farthing = 0.04;
inline constexpr double Mite = 0.015;
inline constexpr double Penny = 0.05;
} // namespace CoinDollars

// A coin box is written twice: first the plain number, then its currency text.
struct CoinText
{
    QString number;
    QString currency;
};

// Why a coin could not be valued, and which input is to blame.
struct CoinFault
{
    enum class Input { Price, Multiple };
    Input input;
    QString message; // one of the catalog's messages
};

using CoinResult = std::variant<CoinText, CoinFault>;

// One coin in one metal: the multiple by the leading-number rule, the price with the user's
// conventions, price x ounces held to 15 digits, times the multiple, held to 15 digits.
CoinResult CoinValue(double ounces, const QString &priceText, const QString &multipleText);

// A small coin: its dollars times the multiple read with the user's conventions, held to
// 15 digits.
CoinResult FixedCoinValue(double dollars, const QString &multipleText);

struct SummaryLine
{
    QString label;
    QString amount;
};

// One line per coin, label, two blanks and amount (then two blanks and "U.S. Dollars"
// where the lines end in dollars), joined by CR LF with none after the last.
QString MoneySummary(const QList<SummaryLine> &lines, bool endsInDollars);

enum class Metal { Silver, Gold };

// A coin valued by its weight and a metal price.
struct MetalRun
{
    QString coinBox;
    Metal metal;
    double ounces;
};

// A small coin valued at fixed dollars.
struct FixedRun
{
    QString coinBox;
    double dollars;
};

struct LabelledBox
{
    QString label;
    QString coinBox;
};

// A money panel as data: its input boxes, its runs in the order they run (metal coins
// first, then fixed coins) and its summary lines, which may come in another order.
struct MoneyPanel
{
    QString goldBox;
    QString silverBox;
    QString multipleBox;
    QList<MetalRun> metalRuns;
    QList<FixedRun> fixedRuns;
    QList<LabelledBox> lines;
    bool endsInDollars;
};

const MoneyPanel &OldTestamentPanel();
const MoneyPanel &NewTestamentPanel();

// The texts of a panel's boxes at the click.
struct PanelTexts
{
    QString gold;
    QString silver;
    QString multiple;
};

struct CoinWrite
{
    QString coinBox;
    CoinText text;
};

struct ValuationFailure
{
    QString focusBox;
    QString message;
};

// What a click writes: the coin boxes valued, in run order; then the summary. A failure
// stops the runs where it arises; the summary is then empty, so that no old values stand
// beside the new prices, and the message and the box to focus follow.
struct ValuationOutcome
{
    QList<CoinWrite> coinWrites;
    QString summary;
    std::optional<ValuationFailure> failure;
};

ValuationOutcome Value(const MoneyPanel &panel, const PanelTexts &texts);

ValuationOutcome OldTestamentMoney(const PanelTexts &texts);
ValuationOutcome NewTestamentMoney(const PanelTexts &texts);

} // namespace money
