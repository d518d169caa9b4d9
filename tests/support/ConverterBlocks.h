#pragma once
// Looks inside a converter made of data: its pair blocks in run order, one pair's factor
// and shown result checked against a row of expected values, and a click's sentence.
#include <optional>
#include <ostream>
#include <string>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "convert/Converter.h"
#include "support/QtPrinting.h"
#include "support/TestNames.h"

// One (from, to) pair as a converter must serve it: the factor after the 15-digit
// rounding of its quotient, and what an amount of 1 shows.
struct PairRow
{
    QString from;
    QString to;
    double factor;
    const char *shown;
};

inline void PrintTo(const PairRow &row, std::ostream *os)
{
    *os << row.from.toStdString() << " -> " << row.to.toStdString();
}

inline QList<convert::PairConversion> PairsOf(const convert::ConverterGroup &group)
{
    QList<convert::PairConversion> pairs;
    for (const convert::Block &block : group.blocks)
        if (const auto *pair = std::get_if<convert::PairConversion>(&block))
            pairs.append(*pair);
    return pairs;
}

// The (from, to) names of the pair blocks, in run order, against those of the rows.
inline void ExpectPairOrder(const convert::ConverterGroup &group, const QList<PairRow> &rows)
{
    QStringList actual, expected;
    for (const convert::PairConversion &pair : PairsOf(group))
        actual << pair.fromUnit + QStringLiteral(" -> ") + pair.toUnit;
    for (const PairRow &row : rows)
        expected << row.from + QStringLiteral(" -> ") + row.to;
    EXPECT_EQ(actual, expected);
}

// The row's pair has exactly one block, with the row's factor, and a click with the amount
// 1 shows the row's result in the sentence.
inline void ExpectPair(const convert::ConverterGroup &group, const PairRow &row)
{
    int found = 0;
    for (const convert::PairConversion &pair : PairsOf(group)) {
        if (pair.fromUnit != row.from || pair.toUnit != row.to)
            continue;
        ++found;
        EXPECT_EQ(pair.factor, row.factor); // exactly: the 15-digit value, not the raw quotient
    }
    EXPECT_EQ(found, 1);

    const convert::ClickOutcome out = convert::Click(group, {QStringLiteral("1"), row.from, row.to});
    const QString shown = QString::fromLatin1(row.shown);
    EXPECT_EQ(out.text3, shown);
    EXPECT_EQ(out.sentence, QStringLiteral("1  ") + row.from + QStringLiteral("  =  ") + shown +
                                QStringLiteral("  ") + row.to);
    EXPECT_FALSE(out.tooLarge);
    EXPECT_FALSE(out.amountMissing);
}

// A unit converted into another and back comes home: no unit has two sizes.
inline void ExpectReversible(const convert::ConverterGroup &group)
{
    const QList<convert::PairConversion> pairs = PairsOf(group);
    for (const convert::PairConversion &there : pairs)
        for (const convert::PairConversion &back : pairs)
            if (there.fromUnit == back.toUnit && there.toUnit == back.fromUnit) {
                EXPECT_NEAR(there.factor * back.factor, 1.0, 1e-12)
                    << there.fromUnit.toStdString() << " <-> " << there.toUnit.toStdString();
            }
}

// A converter under the name of the button behind it.
struct NamedConverter
{
    const char *button;
    convert::ConverterGroup (*group)();
};

// A converter with every pair it serves, in run order. A converter's test instantiates two
// suites with its tables: ConverterTables checks each whole table (the pairs' order, each
// unit there and back), ConverterPairs each pair of PairsOf them (ExpectPair).
struct ConverterTable
{
    NamedConverter converter;
    QList<PairRow> pairs;
};

inline void PrintTo(const ConverterTable &table, std::ostream *os) { *os << table.converter.button; }

// Names an instance of ConverterTables after its button.
inline std::string TableName(const ::testing::TestParamInfo<ConverterTable> &info)
{
    return info.param.converter.button;
}

class ConverterTables : public ::testing::TestWithParam<ConverterTable>
{
};

struct ConverterPair
{
    NamedConverter converter;
    PairRow row;
};

inline void PrintTo(const ConverterPair &pair, std::ostream *os)
{
    *os << pair.converter.button << ' ';
    PrintTo(pair.row, os);
}

inline std::vector<ConverterPair> PairsOf(std::initializer_list<ConverterTable> tables)
{
    std::vector<ConverterPair> pairs;
    for (const ConverterTable &table : tables)
        for (const PairRow &row : table.pairs)
            pairs.push_back({table.converter, row});
    return pairs;
}

// Names an instance of ConverterPairs after its button and pair.
inline std::string PairName(const ::testing::TestParamInfo<ConverterPair> &info)
{
    return CaseName(info.param.converter.button, info.param.row.from, "to", info.param.row.to);
}

class ConverterPairs : public ::testing::TestWithParam<ConverterPair>
{
};

// A click on a converter with the texts the user typed: the sentence it writes (none: it
// converts nothing) and whether it asks for the missing amount.
struct ClickRow
{
    NamedConverter converter;
    QString amount;
    QString from;
    QString to;
    std::optional<QString> sentence;
    bool amountMissing;
    bool amountUnreadable = false; // says two numbers or is a number mistyped
};

inline void PrintTo(const ClickRow &row, std::ostream *os)
{
    *os << row.converter.button << " \"" << row.amount.toStdString() << "\" " << row.from.toStdString()
        << " -> " << row.to.toStdString();
}

// Names a click after its button, amount and pair.
inline std::string ClickName(const ::testing::TestParamInfo<ClickRow> &info)
{
    return CaseName(info.param.converter.button, Typed(info.param.amount), info.param.from, "to", info.param.to);
}

// Clicks the row's converter: it writes the row's sentence or none, and a click that
// converts nothing leaves the work field alone. The outcome is returned for what the
// converter writes besides.
inline convert::ClickOutcome ExpectClick(const ClickRow &row)
{
    const convert::ClickOutcome out = convert::Click(row.converter.group(), {row.amount, row.from, row.to});
    EXPECT_EQ(out.sentence, row.sentence);
    if (!row.sentence) {
        EXPECT_FALSE(out.text3); // the work field keeps what it held
    }
    EXPECT_EQ(out.amountMissing, row.amountMissing);
    EXPECT_EQ(out.amountUnreadable, row.amountUnreadable);
    EXPECT_FALSE(out.tooLarge);
    return out;
}
