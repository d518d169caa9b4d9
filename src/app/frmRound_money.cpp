#include "app/frmRound.h"

#include <QLineEdit>

#include "app/Boxes.h"
#include "catalog/Messages.h"
#include "money/MoneyValuation.h"

// The two money panels.

namespace {

QLineEdit *NamedBox(const frmRound &window, const QString &name)
{
    QLineEdit *box = window.findChild<QLineEdit *>(name);
    Q_ASSERT(box);
    return box;
}

} // namespace

// Writes what a valuation decided, in the order a click writes it; a failure then shows
// its message and hands the focus to the box that could not be valued.
void frmRound::ApplyValuation(const money::ValuationOutcome &outcome, MultiLineBox *summaryBox)
{
    Text2->setText(QString());
    for (const money::CoinWrite &write : outcome.coinWrites) {
        QLineEdit *box = NamedBox(*this, write.coinBox);
        box->setText(write.text.number);
        box->setText(write.text.currency);
    }
    summaryBox->setText(outcome.summary);
    if (!outcome.failure)
        return;
    ShowMessage(catalog::OopsTitle, outcome.failure->message, true);
    NamedBox(*this, outcome.failure->focusBox)->setFocus();
}

void frmRound::Command17_Click()
{
    ApplyValuation(money::OldTestamentMoney({txtGold->text(), txtSilver->text(), txtamount->text()}),
                   txtOtMoney);
}

void frmRound::Command18_Click()
{
    ApplyValuation(
        money::NewTestamentMoney({txtGoldNT->text(), txtSilverNT->text(), txtAmountNT->text()}),
        txtNTMoney);
}
