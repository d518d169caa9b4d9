#include "app/frmRound.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cstddef>
#include <utility>

#include "about/Dialog.h"
#include "catalog/ConverterButtons.h"
#include "catalog/Routing.h"
#include "catalog/Messages.h"
#include "catalog/UnitNames.h"
#include "catalog/WindowTexts.h"
#include "convert/Converters.h"
#include "format/Numbers.h"
#include "money/MoneyValuation.h"
#include "widgets/Boxes.h"
#include "widgets/CommandButton.h"
#include "widgets/Design.h"
#include "widgets/Placement.h"
#include "widgets/Seams.h"

namespace {

using design::Black;
using design::Colour;
using design::Cyan;
using design::DesignFont;
using design::Green;
using design::InactiveBorder;
using design::LightCyan;
using design::Make;
using design::MakeFrame;
using design::MenuText;
using design::Px;
using design::Twips;
using design::WindowText;

// The twelve stacked "Click to Convert" buttons, in the order a routing step sets their
// visibility: the converter each stands for, its control and its procedure.
struct ConverterControl
{
    catalog::ConverterButton button;
    QPushButton *frmRound::*control;
    void (frmRound::*click)();
};

constexpr ConverterControl ConverterControls[] = {
    {catalog::ConverterButton::Command1, &frmRound::Command1, &frmRound::Command1_Click},
    {catalog::ConverterButton::Command31, &frmRound::Command31, &frmRound::Command31_Click},
    {catalog::ConverterButton::Command41, &frmRound::Command41, &frmRound::Command41_Click},
    {catalog::ConverterButton::Command51, &frmRound::Command51, &frmRound::Command51_Click},
    {catalog::ConverterButton::Command6, &frmRound::Command6, &frmRound::Command6_Click},
    {catalog::ConverterButton::Command7, &frmRound::Command7, &frmRound::Command7_Click},
    {catalog::ConverterButton::Command8, &frmRound::Command8, &frmRound::Command8_Click},
    {catalog::ConverterButton::Command9, &frmRound::Command9, &frmRound::Command9_Click},
    {catalog::ConverterButton::Command10, &frmRound::Command10, &frmRound::Command10_Click},
    {catalog::ConverterButton::Command11, &frmRound::Command11, &frmRound::Command11_Click},
    {catalog::ConverterButton::Command12, &frmRound::Command12, &frmRound::Command12_Click},
    {catalog::ConverterButton::Command13, &frmRound::Command13, &frmRound::Command13_Click},
};

// True when a table has one row per enumerator, in the enumeration's order, so that an
// enumerator is its row's index; last is the last enumerator.
template <typename Row, std::size_t N, typename Key, typename Enum>
constexpr bool OneRowPerEnumerator(const Row (&rows)[N], Key key, Enum last)
{
    for (std::size_t i = 0; i < N; ++i)
        if (std::size_t(key(rows[i])) != i)
            return false;
    return N == std::size_t(last) + 1;
}

static_assert(OneRowPerEnumerator(ConverterControls, [](const ConverterControl &c) { return c.button; },
                                  catalog::ConverterButton::Command13));

const ConverterControl &ControlOf(catalog::ConverterButton button)
{
    return ConverterControls[std::size_t(button)];
}

// The unseen boxes a money valuation writes, by their design names, in the order of
// money::CoinBox.
constexpr std::pair<money::CoinBox, const char *> CoinBoxNames[] = {
    {money::CoinBox::txtShekSil, "txtShekSil"}, {money::CoinBox::txtShekGol, "txtShekGol"},
    {money::CoinBox::txtMinSil, "txtMinSil"},   {money::CoinBox::txtMinGol, "txtMinGol"},
    {money::CoinBox::txtTalSil, "txtTalSil"},   {money::CoinBox::txtTalGol, "txtTalGol"},
    {money::CoinBox::txtBekSil, "txtBekSil"},   {money::CoinBox::txtDraSil, "txtDraSil"},
    {money::CoinBox::txtDraGol, "txtDraGol"},   {money::CoinBox::txtDenSil, "txtDenSil"},
    {money::CoinBox::txtDenGol, "txtDenGol"},   {money::CoinBox::txtGerSil, "txtGerSil"},
    {money::CoinBox::txtGerGol, "txtGerGol"},   {money::CoinBox::txtMinaSil, "txtMinaSil"},
    {money::CoinBox::txtMinaGol, "txtMinaGol"}, {money::CoinBox::txtSheSil, "txtSheSil"},
    {money::CoinBox::txtSheGol, "txtSheGol"},   {money::CoinBox::txtTaleSil, "txtTaleSil"},
    {money::CoinBox::txtTaleGol, "txtTaleGol"}, {money::CoinBox::txtFarthing, "txtFarthing"},
    {money::CoinBox::txtMite, "txtMite"},       {money::CoinBox::txtPenny, "txtPenny"},
};

static_assert(OneRowPerEnumerator(CoinBoxNames, [](const auto &row) { return row.first; },
                                  money::CoinBox::txtPenny));

void GreenOn(QWidget *w, const QColor &back)
{
    Colour(w, Green, back);
    w->setFont(DesignFont(8.25, true));
}

QLineEdit *MakeLine(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *box = Make<QLineEdit>(parent, name, place);
    box->setText(text);
    return box;
}

MultiLineBox *MakeMulti(QWidget *parent, const char *name, const QRect &place, bool locked)
{
    auto *box = Make<MultiLineBox>(parent, name, place);
    box->setLocked(locked);
    return box;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *label = Make<QLabel>(parent, name, place);
    label->setText(text);
    return label;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *button = Make<CommandButton>(parent, name, place);
    button->setText(text);
    return button;
}

struct MoneyPanelDesign
{
    const char *frame, *goldLabel, *silverLabel, *multipleLabel, *gold, *silver, *multiple,
        *summary, *button;
    int silverLabelLeft, multipleLabelLeft;
};

// A money panel's controls, as MakeMoneyPanel builds them.
struct MoneyPanelControls
{
    QFrame *frame;
    QLabel *goldLabel, *silverLabel, *multipleLabel;
    QLineEdit *gold, *silver, *multiple;
    MultiLineBox *summary;
    QPushButton *button;
};

MoneyPanelControls MakeMoneyPanel(QWidget *window, const MoneyPanelDesign &d)
{
    using namespace catalog::window;
    QFrame *frame = MakeFrame(window, d.frame, Twips(120, 720, 5655, 2055));
    QLabel *goldLabel = MakeLabel(frame, d.goldLabel, Twips(240, 120, 1215, 255), GoldPerOunce);
    QLabel *silverLabel = MakeLabel(frame, d.silverLabel, Twips(d.silverLabelLeft, 120, 1215, 255), SilverPerOunce);
    QLabel *multipleLabel = MakeLabel(frame, d.multipleLabel, Twips(d.multipleLabelLeft, 120, 1095, 255), MoneyMultiple);
    QLineEdit *gold = MakeLine(frame, d.gold, Twips(360, 360, 975, 285), StartGoldPrice);
    QLineEdit *silver = MakeLine(frame, d.silver, Twips(2280, 360, 855, 285), StartSilverPrice);
    QLineEdit *multiple = MakeLine(frame, d.multiple, Twips(4560, 360, 735, 285), StartMultiple);
    multiple->setAlignment(Qt::AlignCenter);
    MultiLineBox *summary = MakeMulti(frame, d.summary, Twips(120, 720, 5415, 735), false);
    GreenOn(summary, MenuText);
    QPushButton *button = MakeButton(frame, d.button, Twips(2040, 1560, 1455, 350), catalog::window::ClickToConvert);
    return {.frame = frame, .goldLabel = goldLabel, .silverLabel = silverLabel, .multipleLabel = multipleLabel,
            .gold = gold, .silver = silver, .multiple = multiple, .summary = summary, .button = button};
}

} // namespace

frmRound::frmRound(Seams &seams, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      seams_(seams)
{
    setObjectName(QStringLiteral("frmRound"));
    setWindowTitle(catalog::window::Caption);
    setWindowIcon(QIcon(design::WindowIcon));
    setFont(DesignFont(8.25, false));
    setFixedSize(Px(5865), Px(5925));
    BuildControls();
    WireEvents();
    SetFocusOrder();
    Form_Load();
    // Combo1 is the first control of the focus order that can take it.
    Combo1->setFocus();
    // In the centre of the screen when first shown.
    auto *placement = new FramePlacement(this, [this](const QMargins &frame) {
        QRect designed(QPoint(), size().grownBy(frame));
        if (const QScreen *screen = this->screen())
            designed.moveCenter(screen->availableGeometry().center());
        return designed;
    });
    placement->PlaceOnNextShow();
}

frmRound::~frmRound() = default;

void frmRound::BuildControls()
{
    Frame1 = MakeFrame(this, "Frame1", Twips(120, 0, 5655, 735));
    Combo1 = Make<DropDownList>(Frame1, "Combo1", Twips(840, 240, 4215, 315));
    Combo1->setText(catalog::window::TypePrompt);
    GreenOn(Combo1, MenuText);

    // The panels, bottom first: later ones lie above earlier ones.
    Frame2 = MakeFrame(this, "Frame2", Twips(120, 720, 5655, 2055));
    Text1 = MakeLine(Frame2, "Text1", Twips(2280, 240, 975, 285), catalog::window::StartAmount);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setToolTip(catalog::window::AmountTip);
    GreenOn(Text1, MenuText);
    Combo2 = Make<DropDownList>(Frame2, "Combo2", Twips(120, 600, 2700, 315));
    Combo2->setText(unit::ConvertFrom);
    GreenOn(Combo2, MenuText);
    Combo3 = Make<DropDownList>(Frame2, "Combo3", Twips(2880, 600, 2700, 315));
    Combo3->setText(unit::ConvertTo);
    GreenOn(Combo3, WindowText);
    Text2 = MakeMulti(Frame2, "Text2", Twips(120, 960, 5415, 495), false);
    GreenOn(Text2, Black);

    // The twelve stacked buttons, created bottom first so that Command41 lies on top.
    const QRect spot = Twips(1920, 1560, 1455, 360);
    {
        using enum catalog::ConverterButton;
        for (const auto button : {Command9, Command10, Command11, Command12, Command13, Command1,
                                  Command6, Command7, Command8, Command51, Command31, Command41}) {
            const ConverterControl &c = ControlOf(button);
            this->*c.control = MakeButton(Frame2, catalog::ButtonName(button), spot, catalog::window::ClickToConvert);
        }
    }

    // The two money panels differ only in their names and the places of two captions.
    const MoneyPanelControls oldTestament = MakeMoneyPanel(
        this, {.frame = "Frame4", .goldLabel = "Label2", .silverLabel = "Label3", .multipleLabel = "Label4",
               .gold = "txtGold", .silver = "txtSilver", .multiple = "txtamount", .summary = "txtOtMoney",
               .button = "Command17", .silverLabelLeft = 2160, .multipleLabelLeft = 4320});
    Frame4 = oldTestament.frame;
    Label2 = oldTestament.goldLabel;
    Label3 = oldTestament.silverLabel;
    Label4 = oldTestament.multipleLabel;
    txtGold = oldTestament.gold;
    txtSilver = oldTestament.silver;
    txtamount = oldTestament.multiple;
    txtOtMoney = oldTestament.summary;
    Command17 = oldTestament.button;
    const MoneyPanelControls newTestament = MakeMoneyPanel(
        this, {.frame = "Frame5", .goldLabel = "Label7", .silverLabel = "Label6", .multipleLabel = "Label5",
               .gold = "txtGoldNT", .silver = "txtSilverNT", .multiple = "txtAmountNT", .summary = "txtNTMoney",
               .button = "Command18", .silverLabelLeft = 1920, .multipleLabelLeft = 4440});
    Frame5 = newTestament.frame;
    Label7 = newTestament.goldLabel;
    Label6 = newTestament.silverLabel;
    Label5 = newTestament.multipleLabel;
    txtGoldNT = newTestament.gold;
    txtSilverNT = newTestament.silver;
    txtAmountNT = newTestament.multiple;
    txtNTMoney = newTestament.summary;
    Command18 = newTestament.button;

    FrameTime = MakeFrame(this, "FrameTime", Twips(120, 720, 5655, 2055));
    ComboTime = Make<DropDownList>(FrameTime, "ComboTime", Twips(1800, 240, 2295, 315));
    ComboTime->setText(catalog::window::TimePrompt);
    Colour(ComboTime, Black, LightCyan);
    txtTime = MakeMulti(FrameTime, "txtTime", Twips(120, 960, 5415, 855), true);
    Colour(txtTime, Cyan, MenuText);
    txtTime->setFont(DesignFont(8.25, true));

    Text4 = MakeMulti(this, "Text4", Twips(240, 960, 5415, 1695), true);
    Colour(Text4, Cyan, MenuText);
    Text4->setFont(DesignFont(8.25, true));
    // The notes take the system's tooltip colours, the text with the back it is paired with,
    // so that they stay readable under a dark scheme.
    const QPalette system = QApplication::palette();
    const QColor tooltipText = system.color(QPalette::ToolTipText);
    const QColor tooltipBack = system.color(QPalette::ToolTipBase);
    Text5 = MakeMulti(this, "Text5", Twips(120, 2880, 5655, 1485), true);
    Colour(Text5, tooltipText, tooltipBack);
    Text5->setFont(DesignFont(9.75, false));
    Text6 = MakeMulti(this, "Text6", Twips(120, 4440, 5655, 735), false);
    Colour(Text6, tooltipText, tooltipBack);
    Text6->setFont(DesignFont(9.75, false));

    // The splash lies above the panels and both notes boxes.
    FrameSplash = MakeFrame(this, "FrameSplash", Twips(120, 720, 5655, 4575));
    FrameSplash->setAutoFillBackground(true);
    Colour(FrameSplash, Black, InactiveBorder);
    Picture1 = Make<QLabel>(FrameSplash, "Picture1", Twips(120, 240, 5415, 4215));
    Picture1->setPixmap(QPixmap(design::SplashPicture));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setFocusPolicy(Qt::TabFocus);

    Image1 = Make<QLabel>(this, "Image1", Twips(120, 5280, 4500, 465));
    Image1->setPixmap(QPixmap(design::BannerPicture));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(catalog::window::BannerTip);
    cmdAbout = MakeButton(this, "cmdAbout", Twips(4800, 5400, 975, 375), catalog::window::AboutCaption);

    // Work fields: outside the client area, hidden, out of the focus order.
    auto work = [this](const char *name, int left, int top) {
        QLineEdit *box = MakeLine(this, name, Twips(left, top, 1215, 285), QString());
        box->setFocusPolicy(Qt::NoFocus);
        box->hide();
        return box;
    };
    text3 = work("text3", 7320, 3720);
    int row = 0;
    for (const auto &[box, name] : CoinBoxNames)
        coinBoxes_ << work(name, 8760, 300 * row++);
}

void frmRound::WireEvents()
{
    // Only picking an item runs a list's procedure; writing or typing its text does not.
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(ComboTime, &QComboBox::activated, this, [this] { ComboTime_Click(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { cmdAbout_Click(); });
    for (const ConverterControl &c : ConverterControls)
        connect(this->*c.control, &QPushButton::clicked, this, [this, click = c.click] { (this->*click)(); });
    connect(Command17, &QPushButton::clicked, this, [this] { Command17_Click(); });
    connect(Command18, &QPushButton::clicked, this, [this] { Command18_Click(); });
}

void frmRound::SetFocusOrder()
{
    const QList<QWidget *> order = {
        Combo1, Combo2, Combo3, Text1,
        Command17, txtamount, txtOtMoney, txtSilver, txtGold,
        txtGoldNT, txtSilverNT, txtNTMoney, txtAmountNT, Command18,
        Text5, Text2,
        Command9, Command10, Command11, Command12, Command13, Command1, Command6, Command7,
        Command8, Command51, Command31, Command41,
        cmdAbout, txtTime, ComboTime, Text4, Text6, Picture1,
    };
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmRound::Form_Load()
{
    FrameSplash->show();
    Frame2->show();
    Frame4->hide();
    Frame5->hide();
    FrameTime->hide();
    Text4->hide();
    Combo1->appendItems(catalog::MeasurementTypeNames());
    txtGold->setText(CurrencyText(LocaleNumber(txtGold->text()).value_or(0.0)));
    txtSilver->setText(CurrencyText(LocaleNumber(txtSilver->text()).value_or(0.0)));
}

QList<QPushButton *> frmRound::ConverterButtons() const
{
    QList<QPushButton *> buttons;
    for (const ConverterControl &c : ConverterControls)
        buttons << this->*c.control;
    return buttons;
}

QPushButton *frmRound::ButtonFor(catalog::ConverterButton button) const
{
    return this->*ControlOf(button).control;
}

QLineEdit *frmRound::CoinBoxOf(money::CoinBox box) const { return coinBoxes_[qsizetype(box)]; }

void frmRound::ShowOnlyButton(QPushButton *visible)
{
    for (QPushButton *button : ConverterButtons())
        button->setVisible(button == visible);
}

void frmRound::ShowMessage(const QString &title, const QString &text, bool systemModal)
{
    seams_.ShowMessage(this, {title, text,
                              systemModal ? MessageRequest::Modality::System
                                          : MessageRequest::Modality::Application});
}

void frmRound::RunConverter(catalog::ConverterButton button)
{
    ApplyOutcome(convert::Click(convert::ConverterFor(button), {Text1->text(), Combo2->text(), Combo3->text()}));
}

void frmRound::ApplyOutcome(const convert::ClickOutcome &outcome)
{
    Text2->setText(QString());
    if (outcome.text5)
        Text5->setText(*outcome.text5);
    if (outcome.text6)
        Text6->setText(*outcome.text6);
    if (outcome.text3)
        text3->setText(*outcome.text3);
    if (outcome.sentence)
        Text2->setText(*outcome.sentence);
    if (outcome.tooLarge)
        ShowMessage(catalog::OopsTitle, catalog::TooLargeMessage, true);
    if (outcome.amountMissing || outcome.amountUnreadable)
        ShowMessage(catalog::OopsTitle, catalog::EnterANumberMessage, true);
    Text1->setFocus();
}
