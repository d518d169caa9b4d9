#include "app/frmRound.h"

#include <QLineEdit>

#include "catalog/Messages.h"
#include "money/MoneyValuation.h"
#include "widgets/Boxes.h"

// The two money panels.

// Writes what a valuation decided, in the order a click writes it; a failure then shows
// its message and hands the focus to the box that could not be valued.
void frmRound::ValuePanel(const money::MoneyPanel &panel, const MoneyPanelBoxes &boxes)
{
    const money::ValuationOutcome outcome =
        money::Value(panel, {boxes.gold->text(), boxes.silver->text(), boxes.multiple->text()});
    Text2->setText(QString());
    for (const money::CoinWrite &write : outcome.coinWrites) {
        QLineEdit *box = CoinBoxOf(write.box);
        box->setText(write.text.number);
        box->setText(write.text.currency);
    }
    boxes.summary->setText(outcome.summary);
    if (!outcome.failure)
        return;
    ShowMessage(catalog::OopsTitle, outcome.failure->message, true);
    using enum money::PanelInput;
    switch (outcome.failure->input) {
    case Gold: boxes.gold->setFocus(); break;
    case Silver: boxes.silver->setFocus(); break;
    case Multiple: boxes.multiple->setFocus(); break;
    }
}

void frmRound::Command17_Click()
{
    ValuePanel(money::OldTestamentPanel(), {txtGold, txtSilver, txtamount, txtOtMoney});
}

void frmRound::Command18_Click()
{
    ValuePanel(money::NewTestamentPanel(), {txtGoldNT, txtSilverNT, txtAmountNT, txtNTMoney});
}
