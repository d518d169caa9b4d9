#pragma once
// The main window: every control of the program, the start-up step and every event
// procedure. The procedures read the controls, ask the core what to do and apply it.
#include <memory>

#include <QList>
#include <QWidget>

#include "convert/Converter.h"

namespace catalog { enum class ConverterButton; }
namespace money { enum class CoinBox; struct MoneyPanel; }
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Dialog;
class DropDownList;
class MultiLineBox;
class Seams;

class frmRound : public QWidget
{
    Q_OBJECT
public:
    explicit frmRound(Seams &seams, QWidget *parent = nullptr);
    ~frmRound() override;

    // Event procedures, named after their control and event.
    void Form_Load();
    void Combo1_Click();
    void Combo2_Click();
    void ComboTime_Click();
    void cmdAbout_Click();
    void Command1_Click();
    void Command31_Click();
    void Command41_Click();
    void Command51_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command17_Click();
    void Command18_Click();

    // The twelve stacked "Click to Convert" buttons in the routing's order.
    QList<QPushButton *> ConverterButtons() const;
    // The control of one of them.
    QPushButton *ButtonFor(catalog::ConverterButton button) const;

protected:
    // An About dialog left open stays on the screen after this window closes.
    void closeEvent(QCloseEvent *event) override;

private:
    void BuildControls();
    void WireEvents();
    void SetFocusOrder();
    // Shows exactly one of the ConverterButtons, setting all twelve in their order.
    void ShowOnlyButton(QPushButton *visible);
    // Runs the converter behind the button against the controls and applies what it decides.
    void RunConverter(catalog::ConverterButton button);
    void ApplyOutcome(const convert::ClickOutcome &outcome);
    // A money panel's boxes: its prices and multiple, and its summary.
    struct MoneyPanelBoxes
    {
        QLineEdit *gold;
        QLineEdit *silver;
        QLineEdit *multiple;
        MultiLineBox *summary;
    };
    // Values the panel's coins from its boxes and writes the coin boxes and the summary, or
    // shows the failure and hands the focus to the box to blame.
    void ValuePanel(const money::MoneyPanel &panel, const MoneyPanelBoxes &boxes);
    // The unseen box a valuation writes a coin to.
    QLineEdit *CoinBoxOf(money::CoinBox box) const;
    void ShowMessage(const QString &title, const QString &text, bool systemModal);

    Seams &seams_;
    // The one About dialog of the run, once created. It has no owner window, yet it lasts
    // as long as this window's object, which lasts the run.
    std::unique_ptr<Dialog> dialog_;
    QList<QLineEdit *> coinBoxes_; // by money::CoinBox

public:
    // The controls, by their design names (each is also its objectName).
    QFrame *Frame1 = nullptr;
    DropDownList *Combo1 = nullptr;
    QFrame *FrameSplash = nullptr;
    QLabel *Picture1 = nullptr;

    QFrame *Frame2 = nullptr;
    QLineEdit *Text1 = nullptr;
    DropDownList *Combo2 = nullptr;
    DropDownList *Combo3 = nullptr;
    MultiLineBox *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command31 = nullptr;
    QPushButton *Command41 = nullptr;
    QPushButton *Command51 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;

    QFrame *Frame4 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *txtGold = nullptr;
    QLineEdit *txtSilver = nullptr;
    QLineEdit *txtamount = nullptr;
    MultiLineBox *txtOtMoney = nullptr;
    QPushButton *Command17 = nullptr;

    QFrame *Frame5 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *txtGoldNT = nullptr;
    QLineEdit *txtSilverNT = nullptr;
    QLineEdit *txtAmountNT = nullptr;
    MultiLineBox *txtNTMoney = nullptr;
    QPushButton *Command18 = nullptr;

    QFrame *FrameTime = nullptr;
    DropDownList *ComboTime = nullptr;
    MultiLineBox *txtTime = nullptr;

    MultiLineBox *Text4 = nullptr;
    MultiLineBox *Text5 = nullptr;
    MultiLineBox *Text6 = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *cmdAbout = nullptr;

    // The work field of a conversion, which the user never sees; the coin boxes, as unseen,
    // go by CoinBoxOf.
    QLineEdit *text3 = nullptr;
};
