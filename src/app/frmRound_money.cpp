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

// Writes what a valuation decided, in the order a click writes it; returns the box to
// focus after the message, or null when the valuation went through.
QLineEdit *WriteValuation(frmRound &window, const money::ValuationOutcome &outcome,
                          MultiLineBox *summaryBox)
{
    window.Text2->setText(QString());
    for (const money::CoinWrite &write : outcome.coinWrites) {
        QLineEdit *box = NamedBox(window, write.coinBox);
        box->setText(write.text.number);
        box->setText(write.text.currency);
    }
    summaryBox->setText(outcome.summary);
    return outcome.failure ? NamedBox(window, outcome.failure->focusBox) : nullptr;
}

} // namespace

void frmRound::Command17_Click()
{
    const money::ValuationOutcome outcome =
        money::OldTestamentMoney({txtGold->text(), txtSilver->text(), txtamount->text()});
    if (QLineEdit *focus = WriteValuation(*this, outcome, txtOtMoney)) {
        ShowMessage(catalog::OopsTitle, outcome.failure->message, true);
        focus->setFocus();
    }
}

void frmRound::Command18_Click()
{
    const money::ValuationOutcome outcome =
        money::NewTestamentMoney({txtGoldNT->text(), txtSilverNT->text(), txtAmountNT->text()});
    if (QLineEdit *focus = WriteValuation(*this, outcome, txtNTMoney)) {
        ShowMessage(catalog::OopsTitle, outcome.failure->message, true);
        focus->setFocus();
    }
}
