#include "app/frmRound.h"

// The choice of a measurement type, of a from-unit and of an hour. The catalog's tables say
// what each choice does; these procedures compare the chosen text with every row and apply
// the rows that match.

#include <type_traits>
#include <variant>

#include <QFrame>
#include <QLineEdit>

#include "catalog/Hours.h"
#include "catalog/Routing.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitNames.h"
#include "widgets/Boxes.h"

namespace {

QWidget *PaneOf(const frmRound &w, catalog::Pane pane)
{
    using enum catalog::Pane;
    switch (pane) {
    case Frame2: return w.Frame2;
    case Frame4: return w.Frame4;
    case Frame5: return w.Frame5;
    case FrameTime: return w.FrameTime;
    case FrameSplash: return w.FrameSplash;
    case Text4: return w.Text4;
    case Text5: return w.Text5;
    }
    return nullptr;
}

} // namespace

void frmRound::Combo1_Click()
{
    const auto apply = [this](const catalog::TypeRow &row, const auto &step) {
        using Step = std::decay_t<decltype(step)>;
        namespace step_ = catalog::step;
        if constexpr (std::is_same_v<Step, step_::Show>) {
            PaneOf(*this, step.pane)->setVisible(step.shown);
        } else if constexpr (std::is_same_v<Step, step_::WriteNote>) {
            (step.box == catalog::NotesBox::Text4 ? Text4 : Text5)->setText(step.text);
        } else if constexpr (std::is_same_v<Step, step_::FillUnitLists>) {
            // The placeholders first: adding items leaves the edit text as it is.
            Combo2->setText(unit::ConvertFrom);
            Combo3->setText(unit::ConvertTo);
            Combo2->appendItems(row.lists.fromUnits);
            Combo3->appendItems(row.lists.ToUnits());
        } else if constexpr (std::is_same_v<Step, step_::FillTimeList>) {
            ComboTime->removeItems();
            ComboTime->appendItems(step.items);
        } else if constexpr (std::is_same_v<Step, step_::FocusAmount>) {
            Text1->setFocus();
        } else {
            static_assert(std::is_same_v<Step, step_::ShowDefaultValuesNotice>);
            ShowMessage(catalog::DefaultValuesTitle, catalog::DefaultValuesNotice(), false);
        }
    };

    Combo2->clearItemsAndText();
    Combo3->clearItemsAndText();
    Text2->setText(QString());

    // Every row is compared, each time with the list's text as it stands.
    for (const catalog::TypeRow &row : catalog::TypeRouting())
        if (Combo1->text() == row.name)
            for (const catalog::TypeStep &step : row.steps)
                std::visit([&](const auto &s) { apply(row, s); }, step);

    // The button steps run after the whole row, its focus move included.
    for (const catalog::ButtonStep &step : catalog::ButtonSteps())
        if (Combo1->text() == step.name)
            ShowOnlyButton(ButtonFor(step.button));
}

void frmRound::Combo2_Click()
{
    for (const catalog::UnitRow &row : catalog::UnitRouting()) {
        if (Combo2->text() != row.unit)
            continue;
        if (row.rewritesUnit)
            Combo2->setText(row.unit);
        if (row.note)
            Text5->setText(*row.note);
        if (row.button)
            ShowOnlyButton(ButtonFor(*row.button));
        if (row.quote)
            Text6->setText(*row.quote);
    }
}

void frmRound::ComboTime_Click()
{
    Text5->setText(QString());
    for (const catalog::TimeRow &row : catalog::TimeRouting()) {
        if (ComboTime->text() != row.item)
            continue;
        txtTime->setText(row.note);
        if (row.quote)
            Text6->setText(*row.quote);
        if (row.notes)
            Text5->setText(*row.notes);
    }
    txtTime->setFocus();
}
