// The work behind one click: a converter button of the real window, the number formatting
// and coin valuation under it, and a whole money panel click.
//
//   bench_work [Google Benchmark options, e.g. --benchmark_filter=Click]

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include "app/Application.h"
#include "app/frmRound.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/UnitNames.h"
#include "format/FormatResult.h"
#include "money/MoneyValuation.h"
#include "support/RecordingSeams.h"
#include "widgets/Boxes.h"

namespace {

// The real window, shown, with nothing left to paint.
struct ShownWindow
{
    RecordingSeams seams;
    std::unique_ptr<frmRound> window = std::make_unique<frmRound>(seams);

    bool exposed = false;

    ShownWindow()
    {
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
        QApplication::processEvents();
    }
    // Picks an item as a click in the drop-down does.
    bool Pick(DropDownList *list, const QString &item)
    {
        const int index = list->findText(item, Qt::MatchExactly);
        if (index < 0)
            return false;
        list->setCurrentIndex(index);
        emit list->activated(index);
        return true;
    }
    // The button a click on the converter spot reaches: the topmost visible one.
    QPushButton *ButtonAtConvertSpot() const
    {
        return qobject_cast<QPushButton *>(
            window->Frame2->childAt(window->Command41->geometry().center()));
    }
};

// Two from-units of the same button: the Hebrew long cubit makes every click write the
// cubits' long note into Text5; the pace makes it write only the sentence.
const QString kFromUnits[] = {unit::CubitHebrewLong, unit::Pace};

// The window as a user leaves it before clicking: lengths chosen, a unit pair picked, an
// amount typed. Each click converts another amount, so the sentence is new every time;
// the note stays that of the from-unit.
QPushButton *ArmLengthConversion(benchmark::State &state, ShownWindow &w)
{
    const QString &from = kFromUnits[state.range(0)];
    state.SetLabel(from.toStdString());
    if (!w.exposed) {
        state.SkipWithError("the window was never shown");
        return nullptr;
    }
    if (!w.Pick(w.window->Combo1, measure::Linear) || !w.Pick(w.window->Combo2, from) ||
        !w.Pick(w.window->Combo3, unit::Feet)) {
        state.SkipWithError("a type or unit is missing from its list");
        return nullptr;
    }
    w.window->Text1->setText(QStringLiteral("7"));
    QApplication::processEvents();
    QPushButton *button = w.ButtonAtConvertSpot();
    if (button != w.window->Command41) {
        state.SkipWithError("the choice did not leave Command41 at the converter spot");
        return nullptr;
    }
    return button;
}

// Types the next amount, outside the time measured: the amounts take turns.
void NextAmount(benchmark::State &state, ShownWindow &w)
{
    static const QString amounts[] = {QStringLiteral("7"), QStringLiteral("8")};
    state.PauseTiming();
    w.window->Text1->setText(amounts[w.window->Text1->text() == amounts[0] ? 1 : 0]);
    state.ResumeTiming();
}

// The click did convert: the sentence is there and no box was asked for.
void CheckConverted(benchmark::State &state, const ShownWindow &w)
{
    const QString start = w.window->Text1->text() + QStringLiteral("  ") + kFromUnits[state.range(0)] +
                          QStringLiteral("  =  ");
    if (!w.window->Text2->text().startsWith(start) || !w.seams.messages.isEmpty())
        state.SkipWithError("the click did not convert");
}

// Each turn types the next amount, then clicks as `click` does.
template <typename Click>
void TimeClicks(benchmark::State &state, Click click)
{
    ShownWindow w;
    QPushButton *button = ArmLengthConversion(state, w);
    if (!button)
        return;
    for (auto _ : state) {
        NextAmount(state, w);
        click(button);
    }
    CheckConverted(state, w);
    QApplication::processEvents();
}

void BM_ConverterClick(benchmark::State &state)
{
    TimeClicks(state, [](QPushButton *button) { button->click(); });
}
BENCHMARK(BM_ConverterClick)->DenseRange(0, std::size(kFromUnits) - 1);

// The same click as a mouse press and release delivered to the button; the button repaints
// at once on both, and takes the focus from the amount box and gives it back.
void BM_ConverterMouseClick(benchmark::State &state)
{
    TimeClicks(state, [](QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); });
}
BENCHMARK(BM_ConverterMouseClick)->DenseRange(0, std::size(kFromUnits) - 1);

// The click and the repaint it schedules, until the user sees the result.
void BM_ConverterClickAndPaint(benchmark::State &state)
{
    TimeClicks(state, [](QPushButton *button) {
        button->click();
        QApplication::processEvents();
    });
}
BENCHMARK(BM_ConverterClickAndPaint)->DenseRange(0, std::size(kFromUnits) - 1);

// A converter's raw results: plain decimals, a whole number, a long fraction, exponent form.
const QString kRawResults[] = {
    QStringLiteral("2.5"),
    QStringLiteral("12"),
    QStringLiteral("10.5833333333333"),
    QStringLiteral("1.23456789012346E+15"),
};

void BM_FormatResult(benchmark::State &state)
{
    const QString &raw = kRawResults[state.range(0)];
    for (auto _ : state) {
        QString text = FormatResult(raw);
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel(raw.toStdString());
}
BENCHMARK(BM_FormatResult)->DenseRange(0, std::size(kRawResults) - 1);

// A plain price, as the New Testament panel starts with, and one in the user's currency
// form, as the Old Testament panel shows it.
const QString kPrices[] = {QStringLiteral("350"), QStringLiteral("$350.00")};
const double NewTestamentShekelOunces = 0.364;

void BM_CoinValue(benchmark::State &state)
{
    const QString &price = kPrices[state.range(0)];
    const QString multiple = QStringLiteral("3");
    for (auto _ : state) {
        money::CoinResult result =
            money::CoinValue({money::Metal::Silver, NewTestamentShekelOunces}, price, multiple);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(price.toStdString());
}
BENCHMARK(BM_CoinValue)->DenseRange(0, std::size(kPrices) - 1);

// The New Testament panel's button with its start prices: sixteen coins and the summary.
void BM_Command18Click(benchmark::State &state)
{
    ShownWindow w;
    w.window->FrameSplash->hide();
    w.window->Frame2->hide();
    w.window->Frame5->show();
    QApplication::processEvents();
    for (auto _ : state)
        w.window->Command18_Click();
    if (w.window->txtNTMoney->text().isEmpty() || !w.seams.messages.isEmpty())
        state.SkipWithError("the panel valued nothing");
    QApplication::processEvents();
}
BENCHMARK(BM_Command18Click);

// A megabyte of digits without a blank, pasted into an editable multi-line box, and the
// repaint that shows it: what a user waits for after Ctrl+V.
const char *const kPastedBoxes[] = {"Text2", "Text6", "txtOtMoney", "txtNTMoney"};

void BM_PasteMegabyte(benchmark::State &state)
{
    ShownWindow w;
    const char *name = kPastedBoxes[state.range(0)];
    state.SetLabel(name);
    auto *box = w.window->findChild<MultiLineBox *>(QString::fromLatin1(name));
    if (!w.exposed || !box) {
        state.SkipWithError("no window or no box");
        return;
    }
    w.window->FrameSplash->hide();
    if (QWidget *panel = box->parentWidget(); panel != w.window.get())
        panel->show();
    QApplication::clipboard()->setText(QString(1 << 20, u'7'));
    box->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        box->setText(QString());
        QApplication::processEvents();
        state.ResumeTiming();
        box->paste();
        box->repaint();
    }
    if (box->toPlainText().isEmpty())
        state.SkipWithError("nothing was pasted");
}
BENCHMARK(BM_PasteMegabyte)->DenseRange(0, std::size(kPastedBoxes) - 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplication();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
