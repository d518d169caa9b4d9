// Random use of the real window, seeded and bounded: picks, typing, clicks and the About
// dialog in any order, with the window's promises checked after every step.
// Each run draws a new seed and a locale; both are in every failure message,
// OSTREVAN_STRESS_SEED=<n> repeats that run and OSTREVAN_STRESS_LOCALE=<name> pins the locale.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <QApplication>
#include <QFrame>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include "about/Dialog.h"
#include "catalog/About.h"
#include "catalog/MeasurementTypes.h"
#include "catalog/Messages.h"
#include "catalog/Routing.h"
#include "catalog/TypeNotes.h"
#include "catalog/UnitLists.h"
#include "catalog/UnitNames.h"
#include "format/Numbers.h"
#include "support/LocaleGuard.h"
#include "support/Window.h"

namespace {

constexpr int Steps = 5000;

// The seed named by OSTREVAN_STRESS_SEED, or a new one; none where it names no seed, since
// a mistyped seed would quietly run another sequence than the one meant.
std::optional<std::uint64_t> StressSeed()
{
    const char *text = std::getenv("OSTREVAN_STRESS_SEED");
    if (!text || !*text) {
        std::random_device device;
        return (std::uint64_t(device()) << 32) ^ device();
    }
    const char *end = text + std::char_traits<char>::length(text);
    std::uint64_t seed = 0;
    const auto [stop, error] = std::from_chars(text, end, seed);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return seed;
}

// The locale named by OSTREVAN_STRESS_LOCALE, or none where it is unset; an unknown name fails
// rather than quietly running under the C locale.
std::optional<QLocale> PinnedLocale(bool &unknown)
{
    unknown = false;
    const char *name = std::getenv("OSTREVAN_STRESS_LOCALE");
    if (!name || !*name)
        return std::nullopt;
    const QLocale locale(QString::fromLatin1(name));
    unknown = locale.language() == QLocale::C && qstrcmp(name, "C") != 0;
    return locale;
}

// A texts's start and end, for messages: some typed texts are thousands of digits long.
QString Shown(const QString &text)
{
    if (text.size() <= 48)
        return u'"' + text + u'"';
    return QStringLiteral("\"%1...(%2 chars)...%3\"").arg(text.left(24)).arg(text.size()).arg(text.right(12));
}

// What an infinity or a not-a-number looks like when a program writes one as text
// ("inf", "-Infinity", "NaN", "1.#INF"); a word such as "infant" is none.
bool ShowsNumberWord(const QString &text)
{
    static const QRegularExpression word(QStringLiteral(R"(\b(inf|infinity|nan)\b)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

// The result part of a sentence: rounded to four decimals, "." as the point, a whole number
// padded to eight zeros and one decimal to two; or the 15-digit exponent form from 1E+15 up.
bool InResultForm(const QString &result)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^(-?\d{1,15}\.00000000|\d{1,15}\.(\d{0,3}[1-9]|[1-9]0)|-\d{0,15}\.(\d{0,3}[1-9]|[1-9]0)|-?\d(\.\d{0,13}[1-9])?E\+\d{2,3})$)"));
    return form.match(result).hasMatch();
}

// The texts a click converts, and the button that converted them.
struct Conversion
{
    QString amount;
    QString from;
    QString to;
    QString button;
};

class RandomUse : public WindowTest
{
protected:
    void SetUp() override
    {
        const std::optional<std::uint64_t> seed = StressSeed();
        ASSERT_TRUE(seed.has_value()) << "OSTREVAN_STRESS_SEED=" << std::getenv("OSTREVAN_STRESS_SEED")
                          << " is no seed: a decimal number from 0 to " << UINT64_MAX;
        seed_ = *seed;
        rng_.seed(seed_);
        // Mostly the home conventions; sometimes another locale's separators, grouping and digits.
        const QLocale locales[] = {UsLocale(), UsLocale(), UsLocale(), GermanLocale(),
                                   QLocale(QLocale::French, QLocale::France),
                                   QLocale(QLocale::German, QLocale::Switzerland),
                                   QLocale(QLocale::Arabic, QLocale::Egypt),
                                   QLocale(QLocale::Persian, QLocale::Iran),
                                   QLocale(QLocale::Hindi, QLocale::India)};
        bool unknown = false;
        const std::optional<QLocale> pinned = PinnedLocale(unknown);
        ASSERT_FALSE(unknown) << "OSTREVAN_STRESS_LOCALE=" << std::getenv("OSTREVAN_STRESS_LOCALE")
                              << " names no locale Qt knows, such as de_DE";
        const QLocale drawn = locales[Below(std::size(locales))]; // drawn always, so a seed runs the same steps
        const QLocale locale = pinned.value_or(drawn);
        localeGuard_.emplace(locale);
        context_ = QStringLiteral("seed %1 (OSTREVAN_STRESS_SEED=%1 repeats it), locale %2 "
                                  "(OSTREVAN_STRESS_LOCALE=%2 pins it)")
                       .arg(seed_).arg(locale.name()).toStdString();
        // On standard output too, which a crash leaves behind; the trace puts it in every
        // failure, those of setting up and tearing down the window included.
        std::cout << "[ stress ] " << context_ << std::endl;
        trace_.emplace(__FILE__, __LINE__, context_);
        WindowTest::SetUp();
        QObject::connect(Box("Text2"), &QPlainTextEdit::textChanged, window.get(),
                         [this] { ++sentenceWrites_; });
        // A box written twice in one procedure shows the first text only for a moment:
        // every write is looked at, not just what stands at the end of a step.
        for (QLineEdit *edit : window->findChildren<QLineEdit *>())
            QObject::connect(edit, &QLineEdit::textChanged, window.get(),
                             [this, edit](const QString &text) { Written(edit, text); });
        for (MultiLineBox *box : window->findChildren<MultiLineBox *>())
            if (box != Box("Text2"))
                QObject::connect(box, &QPlainTextEdit::textChanged, window.get(),
                                 [this, box] { Written(box, box->toPlainText()); });
        unitNames_ = UnitNamePool();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        localeGuard_.reset();
        trace_.reset();
    }

    // ---- Randomness

    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    template <typename T>
    const T &OneOf(const QList<T> &items) { return items[qsizetype(Below(std::size_t(items.size())))]; }

    static QStringList UnitNamePool()
    {
        QStringList names{unit::ConvertFrom, unit::ConvertTo, unit::Quarts};
        for (const catalog::TypeRow &type : catalog::TypeRouting())
            names << catalog::FromUnitList(type.type) << catalog::ToUnitList(type.type);
        for (const catalog::UnitRow &row : catalog::UnitRouting())
            names << row.unit;
        names.removeDuplicates();
        return names;
    }

    double RandomValue()
    {
        // Mostly everyday sizes; sometimes the ends of the double range, denormals included.
        const int exponent = Chance(0.8) ? int(Below(18)) - 5 : int(Below(641)) - 330;
        double v = std::uniform_real_distribution<double>(1.0, 10.0)(rng_) * std::pow(10.0, exponent);
        if (Chance(0.3))
            v = std::round(v);
        return Chance(0.2) ? -v : v;
    }

    QString NumberForm(double v)
    {
        const QLocale locale;
        static const QStringList words = {" cubits", " Ellen", "ft", "\u00a0\u0630\u0631\u0627\u0639"};
        switch (Below(10)) {
        case 0: return QString::number(v, 'f', int(Below(7)));
        case 1: return QString::number(v, 'e', int(Below(10))).toUpper();
        case 2: return QString::number(v, 'g', 1 + int(Below(17)));
        case 3: return locale.toString(v, 'f', int(Below(5)));
        case 4: return locale.toCurrencyString(v);
        case 5: return locale.toString(v, 'g', 6);
        case 6: return u' ' + QString::number(v, 'g', 8) + QStringLiteral("  ");
        case 7: return locale.toString(v, 'g', 6) + OneOf(words);
        case 8: return u'\u2066' + locale.toString(v, 'f', int(Below(5))) + u'\u2069'; // as pasted from a web page
        default: return QString::number(v, 'f', 2).replace(u'.', u',');
        }
    }

    QString LongText()
    {
        const qsizetype n = 1000 + qsizetype(Below(7000));
        QString digits;
        digits.reserve(n);
        for (qsizetype i = 0; i < n; ++i)
            digits += QChar(u'0' + char16_t(i == 0 ? 1 + Below(9) : Below(10)));
        switch (Below(5)) {
        case 0: return digits;
        case 1: return QStringLiteral("0.") + QString(n, u'0') + u'1';
        case 2: return digits + QStringLiteral("E-") + QString::number(n - 1);
        case 3: return u'-' + digits + QStringLiteral(".5");
        default: return QStringLiteral("1,5").repeated(n / 3);
        }
    }

    QString Garbage()
    {
        static const QStringList pieces = {
            "0", "1", "5", "9", ".", ",", "-", "+", "e", "E", " ", "$", "(", ")", "a", "x",
            "€", "£", "½", "¼", "٫", "١", "٢", "２", "\u00A0", "\u202F", "\u200B", "\u202E",
            "\u0301", "\t", "😀", "🧮", "#", "'", "’", "%"};
        QString text;
        for (std::size_t i = 0, n = 1 + Below(20); i < n; ++i)
            text += OneOf(pieces);
        return text;
    }

    QString SpecialText()
    {
        static const QStringList texts = {
            "", " ", "   ", "1,5", "12abc", "1E308", "1E999", "-1E999", "-0", "-1e-320", "0",
            "1", "-1", ".5", "5.", "-.5", "1e", "1e+", "1E-", "+3", "--1", "1.2.3", "inf", "-inf",
            "nan", "NaN", "Infinity", "1.#INF", "0x1A", "1 000", "١٢", "١٢٫٥", "½", "😀", "1😀2",
            "１２", "\t7", "$350.00", "(5.00)", "$-5.00", "1,234.5678", "1.234,56", "350,00 €",
            "1\u00A0234,5", "  7  ", "99999999999999999", "1.7976931348623157E308",
            "1.7976931348623158E308", "1.797693134862316E308", "4.9E-324", "2.2250738585072014E-308",
            "1E15", "999999999999999", "999999999999999.5", "123456789012345678", "0.00005",
            "0.000049999", "-0.00005", "12.34567", "1e-5", "9.99995", "-9.99995", "1/2", "1 \u00bd",
            "10-12 cubits", "1:30", "\uff11\u3002\uff15", "- 4", "$2,000 cubits", "\u200e", "\u200e\u2060",
            "2\u200b000", "\u20602,000 cubits", "1\ufeff500", "2\u00ad,5 Ellen", "1\u066c000"};
        return OneOf(texts);
    }

    QString AnyText()
    {
        switch (Below(10)) {
        case 0: case 1: case 2: return SpecialText();
        case 3: return LongText();
        case 4: case 5: return Garbage();
        default: return NumberForm(RandomValue());
        }
    }

    QString AnyUnitText()
    {
        const QString name = OneOf(unitNames_);
        switch (Below(8)) {
        case 0: return name.toLower();
        case 1: return name + u' ';
        case 2: return Garbage();
        case 3: return SpecialText();
        default: return name;
        }
    }

    // ---- What a user can reach

    // Shown, and the topmost control at its middle, so that a click lands on it.
    static bool Reachable(QWidget *w)
    {
        if (!w || !w->isVisible() || !w->isEnabled())
            return false;
        QWidget *top = w->window();
        QWidget *hit = top->childAt(w->mapTo(top, w->rect().center()));
        return hit && (hit == w || w->isAncestorOf(hit));
    }

    Dialog *AboutDialog() const
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Dialog *>(w))
                return dialog;
        return nullptr;
    }

    // ---- The steps

    QString PickIn(const char *name)
    {
        DropDownList *list = List(name);
        const int index = int(Below(std::size_t(list->count())));
        const QString item = list->itemText(index);
        list->setCurrentIndex(index);
        emit list->activated(index);
        if (list->text() != item)
            stepProblems_ << QStringLiteral("%1 shows %2 after its item %3 was picked")
                                 .arg(name, Shown(list->text()), Shown(item));
        return QStringLiteral("pick %1 %2").arg(name, Shown(item));
    }

    QString PickType()
    {
        const QString described = PickIn("Combo1");
        const QString type = List("Combo1")->text();
        typePicked_ = true;
        for (const catalog::ButtonStep &step : catalog::ButtonSteps())
            if (step.name == type)
                expectButton_ = step.button;
        expectDefaultsNotice_ = type == measure::MoneyOT || type == measure::MoneyNT;
        return described;
    }

    QString PickFromUnit()
    {
        const QString described = PickIn("Combo2");
        for (const catalog::UnitRow &row : catalog::UnitRouting())
            if (row.unit == List("Combo2")->text() && row.button)
                expectButton_ = *row.button;
        return described;
    }

    // Replaces the box's text, or sometimes adds to it; plain short texts are typed key by
    // key, the others pasted, as the keyboard cannot type them.
    QString TypeInto(QLineEdit *edit, const QString &name, const QString &text)
    {
        const bool append = Chance(0.15);
        QString expected = append ? edit->text() + text : text;
        typing_ = true;
        if (append)
            edit->end(false);
        else {
            edit->selectAll();
            edit->del();
        }
        typing_ = false;
        bool keyable = text.size() <= 64;
        for (QChar c : text)
            keyable = keyable && c.unicode() >= 0x20 && c.unicode() < 0x7F;
        typing_ = true;
        if (keyable)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
        typing_ = false;
        expected.truncate(edit->maxLength());
        if (edit->text() != expected)
            stepProblems_ << QStringLiteral("%1 shows %2 after %3 was typed")
                                 .arg(name, Shown(edit->text()), Shown(text));
        typed_[edit] = edit->text();
        return QStringLiteral("%1 %2 %3").arg(append ? "add to" : "type into", name, Shown(text));
    }

    QString ClickButton(QPushButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        return QStringLiteral("click %1").arg(button->objectName());
    }

    QString ClickConverter(QPushButton *button)
    {
        const Conversion inputs{Line("Text1")->text(), List("Combo2")->text(), List("Combo3")->text(),
                                button->objectName()};
        const int writes = sentenceWrites_;
        const QString described = ClickButton(button);
        converterClick_ = inputs;
        if (sentenceWrites_ != writes && !Box("Text2")->text().isEmpty()) {
            writer_ = inputs;
            freshSentence_ = true;
        }
        return described;
    }

    QString ClickMoney(QPushButton *button)
    {
        const bool oldTestament = button == Button("Command17");
        moneySummary_ = Box(oldTestament ? "txtOtMoney" : "txtNTMoney");
        moneyLines_ = oldTestament ? 6 : 16;
        return ClickButton(button);
    }

    QString DialogStep(Dialog *dialog)
    {
        switch (Below(5)) {
        case 0:
            dialogExpected_ = false;
            return ClickButton(dialog->OKButton);
        case 1:
            dialogExpected_ = false;
            dialog->close();
            return QStringLiteral("close the About dialog");
        case 2: {
            QTest::mouseClick(dialog->Image1, Qt::LeftButton);
            return QStringLiteral("click the About banner");
        }
        case 3: {
            QTest::mouseClick(dialog->Label4, Qt::LeftButton);
            return QStringLiteral("click the About e-mail line");
        }
        default:
            dialogExpected_ = true;
            return ClickButton(Button("cmdAbout"));
        }
    }

    // One step chosen among those the window offers now.
    QString RandomStep()
    {
        struct Choice
        {
            double weight;
            std::function<QString()> run;
        };
        std::vector<Choice> choices;
        auto offer = [&](bool possible, double weight, std::function<QString()> run) {
            if (possible)
                choices.push_back({weight, std::move(run)});
        };
        auto pickable = [&](const char *name) { return Reachable(List(name)) && List(name)->count() > 0; };

        offer(Reachable(List("Combo1")), 1.0, [this] { return PickType(); });
        offer(pickable("Combo2"), 3.0, [this] { return PickFromUnit(); });
        offer(pickable("Combo3"), 3.0, [this] { return PickIn("Combo3"); });
        offer(pickable("ComboTime"), 1.0, [this] { return PickIn("ComboTime"); });
        offer(Reachable(Line("Text1")), 3.0, [this] { return TypeInto(Line("Text1"), "Text1", AnyText()); });
        for (const char *name : {"Combo2", "Combo3"})
            offer(Reachable(List(name)), 0.8,
                  [this, name] { return TypeInto(List(name)->lineEdit(), name, AnyUnitText()); });
        for (const char *name : {"Combo1", "ComboTime"})
            offer(Reachable(List(name)), 0.15, [this, name] {
                return TypeInto(List(name)->lineEdit(), name, Chance(0.5) ? AnyText() : AnyUnitText());
            });
        for (const char *name : {"txtGold", "txtSilver", "txtamount", "txtGoldNT", "txtSilverNT", "txtAmountNT"})
            offer(Reachable(Line(name)), 0.7, [this, name] { return TypeInto(Line(name), name, AnyText()); });
        QPushButton *converter = ButtonAtConvertSpot();
        offer(Reachable(converter), 4.0, [this, converter] { return ClickConverter(converter); });
        for (const char *name : {"Command17", "Command18"})
            offer(Reachable(Button(name)), 2.5, [this, name] { return ClickMoney(Button(name)); });
        offer(Reachable(Button("cmdAbout")), 0.2, [this] {
            dialogExpected_ = true;
            return ClickButton(Button("cmdAbout"));
        });
        if (Dialog *dialog = AboutDialog(); dialog && dialog->IsLoaded() && dialog->isVisible())
            offer(true, 1.0, [this, dialog] { return DialogStep(dialog); });

        std::vector<double> weights;
        for (const Choice &c : choices)
            weights.push_back(c.weight);
        std::discrete_distribution<std::size_t> which(weights.begin(), weights.end());
        const QString described = choices[which(rng_)].run();
        // Unloaded About controls go once their event is over, as in the running program.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return described;
    }

    // ---- The promises

    static QString NameOf(const QWidget *w)
    {
        return w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName();
    }

    // The program may write back what the user typed, but no number word of its own.
    void Written(QWidget *box, const QString &text)
    {
        auto *edit = qobject_cast<QLineEdit *>(box);
        if (typing_ || (edit && typed_.contains(edit) && typed_.value(edit) == text))
            return;
        if (ShowsNumberWord(text))
            stepProblems_ << QStringLiteral("%1 was given %2").arg(NameOf(box), Shown(text));
    }

    // The new messages of the step, each checked to be one the program has.
    QList<MessageRequest> NewMessages(QStringList &problems)
    {
        const QList<MessageRequest> fresh = seams.messages.mid(messagesSeen_);
        messagesSeen_ = seams.messages.size();
        using Modality = MessageRequest::Modality;
        for (const MessageRequest &m : fresh) {
            const bool oops = m.title == catalog::OopsTitle && m.modality == Modality::System &&
                              (m.text == catalog::EnterANumberMessage || m.text == catalog::TooLargeMessage);
            const bool defaults = m.title == catalog::DefaultValuesTitle &&
                                  m.text == catalog::DefaultValuesNotice() &&
                                  m.modality == Modality::Application;
            if (!oops && !defaults)
                problems << QStringLiteral("a message that is not the program's: %1 / %2")
                                .arg(Shown(m.title), Shown(m.text));
        }
        return fresh;
    }

    void CheckMessages(QStringList &problems)
    {
        const QList<MessageRequest> fresh = NewMessages(problems);
        QStringList texts;
        for (const MessageRequest &m : fresh)
            texts << m.text;
        if (converterClick_) {
            const QString &amount = converterClick_->amount;
            const Amount read = AmountNumber(amount);
            const double value = read.value;
            const bool refused = read.reading == Amount::Reading::Refused;
            if (LooksEmpty(amount) && texts != QStringList{catalog::EnterANumberMessage})
                problems << QStringLiteral("no amount, yet the click said [%1]").arg(texts.join(" | "));
            if (refused && (texts != QStringList{catalog::EnterANumberMessage} || !Box("Text2")->text().isEmpty()))
                problems << QStringLiteral("the amount %1 cannot be read, yet the click said [%2] and wrote %3")
                                .arg(Shown(amount), texts.join(" | "), Shown(Box("Text2")->text()));
            if (!LooksEmpty(amount) && !refused && !texts.isEmpty() && texts != QStringList{catalog::TooLargeMessage})
                problems << QStringLiteral("the click said [%1]").arg(texts.join(" | "));
            // No unit is large enough to take an ordinary amount past the largest double.
            if (texts.contains(catalog::TooLargeMessage) && std::fabs(value) < 1e250)
                problems << QStringLiteral("too large for the amount %1").arg(Shown(amount));
        } else if (moneySummary_) {
            const QString summary = moneySummary_->text();
            if (texts.isEmpty() && summary.split(QStringLiteral("\r\n")).size() != moneyLines_)
                problems << QStringLiteral("%1 has no full summary: %2").arg(moneySummary_->objectName(), Shown(summary));
            if (!texts.isEmpty() && (texts.size() != 1 || !summary.isEmpty()))
                problems << QStringLiteral("a failed valuation said [%1] and left %2")
                                .arg(texts.join(" | "), Shown(summary));
        } else if (expectDefaultsNotice_) {
            if (texts != QStringList{catalog::DefaultValuesNotice()})
                problems << QStringLiteral("the money type said [%1]").arg(texts.join(" | "));
        } else if (!texts.isEmpty()) {
            problems << QStringLiteral("a step that asks nothing said [%1]").arg(texts.join(" | "));
        }
    }

    void CheckNoNumberWords(QStringList &problems)
    {
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            const QString text = edit->text();
            // The user may type such a word; the program must not write one.
            if (typed_.contains(edit) && typed_.value(edit) == text)
                continue;
            if (ShowsNumberWord(text))
                problems << QStringLiteral("%1 shows %2").arg(NameOf(edit), Shown(text));
        }
        for (MultiLineBox *box : window->findChildren<MultiLineBox *>())
            if (box != Box("Text2") && ShowsNumberWord(box->text()))
                problems << QStringLiteral("%1 shows %2").arg(box->objectName(), Shown(box->text()));
    }

    void CheckSentence(QStringList &problems)
    {
        const QString sentence = Box("Text2")->text();
        if (sentenceWrites_ != sentenceWritesChecked_ && !converterClick_ && !sentence.isEmpty())
            problems << QStringLiteral("Text2 was written by a step that converts nothing");
        sentenceWritesChecked_ = sentenceWrites_;
        if (sentence.isEmpty()) {
            writer_.reset();
            return;
        }
        if (!writer_) {
            problems << QStringLiteral("Text2 shows %1, which no click wrote").arg(Shown(sentence));
            return;
        }
        const Conversion &c = *writer_;
        const QString gap = QStringLiteral("  ");
        const QString head = c.amount + gap + c.from + gap + u'=' + gap;
        const QString tail = gap + c.to;
        if (sentence.size() < head.size() + tail.size() || !sentence.startsWith(head) ||
            !sentence.endsWith(tail)) {
            problems << QStringLiteral("Text2 shows %1, not the sentence of %2 %3 into %4")
                            .arg(Shown(sentence), Shown(c.amount), Shown(c.from), Shown(c.to));
            return;
        }
        const QString result = sentence.mid(head.size(), sentence.size() - head.size() - tail.size());
        if (!InResultForm(result)) {
            problems << QStringLiteral("the result %1 is not in the result form").arg(Shown(result));
            return;
        }
        const double amount = AmountNumber(c.amount).value;
        const double value = LeadingNumber(result);
        if ((amount == 0.0 && value != 0.0) || (amount > 0 && value < 0) || (amount < 0 && value > 0))
            problems << QStringLiteral("%1 gave the result %2").arg(Shown(c.amount), Shown(result));
        if (freshSentence_)
            CheckProportional(c, amount, result, problems);
    }

    // A pair multiplies by one factor: every result of the pair must fit the same one,
    // within the four decimals shown and the 15 digits held.
    void CheckProportional(const Conversion &c, double amount, const QString &result, QStringList &problems)
    {
        const double value = LeadingNumber(result);
        if (!std::isfinite(amount) || std::fabs(amount) < 1e-300 || !std::isfinite(value))
            return;
        const double slack = 5.0001e-5 + std::fabs(value) * 1e-13;
        double lo = (value - slack) / amount;
        double hi = (value + slack) / amount;
        if (lo > hi)
            std::swap(lo, hi);
        const std::string key = (c.button + u'|' + c.from + u'|' + c.to).toStdString();
        auto [it, first] = factors_.try_emplace(key, lo, hi);
        if (first)
            return;
        auto &[knownLo, knownHi] = it->second;
        if (lo > knownHi || hi < knownLo) {
            problems << QStringLiteral("%1 %2 into %3 by %4 gave %5, out of line with its earlier results "
                                       "(factor between %6 and %7)")
                            .arg(Shown(c.amount), c.from, c.to, c.button, result)
                            .arg(knownLo, 0, 'g', 17).arg(knownHi, 0, 'g', 17);
            return;
        }
        knownLo = std::max(knownLo, lo);
        knownHi = std::min(knownHi, hi);
    }

    void CheckButtonsAndPanels(QStringList &problems)
    {
        const QStringList shown = ButtonsNotHidden();
        if (expectButton_) {
            buttonsSet_ = true;
            const QPushButton *wanted = window->ButtonFor(*expectButton_);
            if (shown != QStringList{wanted->objectName()})
                problems << QStringLiteral("buttons not hidden: [%1], not %2").arg(shown.join(", "), wanted->objectName());
        } else if (buttonsSet_ && shown.size() != 1) {
            problems << QStringLiteral("buttons not hidden: [%1]").arg(shown.join(", "));
        }
        if (typePicked_ && !Control("FrameSplash")->isHidden())
            problems << QStringLiteral("the splash is back");
    }

    void CheckDialog(QStringList &problems)
    {
        Dialog *dialog = AboutDialog();
        if (dialogExpected_) {
            const bool open = *dialogExpected_;
            if (open && !(dialog && dialog->IsLoaded() && dialog->isVisible()))
                problems << QStringLiteral("the About dialog did not open");
            if (!open && dialog && (dialog->IsLoaded() || dialog->isVisible()))
                problems << QStringLiteral("the About dialog did not close");
        }
        for (qsizetype i = urlsSeen_; i < seams.urls.size(); ++i) {
            const QString url = seams.urls[i].toString();
            if (url != catalog::about::MakerWebAddress && url != catalog::about::MailTarget())
                problems << QStringLiteral("opened %1").arg(url);
        }
        urlsSeen_ = seams.urls.size();
    }

    QStringList Problems()
    {
        QStringList problems = stepProblems_;
        if (!window || !window->isVisible()) {
            problems << QStringLiteral("the window is gone");
            return problems;
        }
        CheckMessages(problems);
        CheckNoNumberWords(problems);
        CheckSentence(problems);
        CheckButtonsAndPanels(problems);
        CheckDialog(problems);
        return problems;
    }

    void ForgetStep()
    {
        stepProblems_.clear();
        expectButton_.reset();
        expectDefaultsNotice_ = false;
        converterClick_.reset();
        moneySummary_ = nullptr;
        freshSentence_ = false;
        dialogExpected_.reset();
    }

    std::string Report(int step, const QStringList &problems, const QStringList &recent) const
    {
        return QStringLiteral("%1, step %2 of %3:\n  %4\nthe last steps:\n  %5")
            .arg(QString::fromStdString(context_)).arg(step).arg(Steps)
            .arg(problems.join("\n  "), recent.join("\n  "))
            .toStdString();
    }

    std::uint64_t seed_ = 0;
    std::mt19937_64 rng_;
    std::optional<LocaleGuard> localeGuard_;
    std::string context_;
    std::optional<testing::ScopedTrace> trace_;
    QStringList unitNames_;

    // Across steps.
    QHash<QLineEdit *, QString> typed_; // what the user last left in each box
    bool typing_ = false;
    int sentenceWrites_ = 0, sentenceWritesChecked_ = 0;
    std::optional<Conversion> writer_; // the click that wrote the sentence shown
    std::map<std::string, std::pair<double, double>> factors_;
    bool typePicked_ = false;
    bool buttonsSet_ = false;
    qsizetype messagesSeen_ = 0, urlsSeen_ = 0;

    // What the current step leads to expect.
    QStringList stepProblems_;
    std::optional<catalog::ConverterButton> expectButton_;
    bool expectDefaultsNotice_ = false;
    std::optional<Conversion> converterClick_;
    bool freshSentence_ = false;
    MultiLineBox *moneySummary_ = nullptr;
    int moneyLines_ = 0;
    std::optional<bool> dialogExpected_;
};

TEST_F(RandomUse, KeepsEveryBoxMessageAndPanelSound)
{
    QStringList recent;
    for (int step = 1; step <= Steps; ++step) {
        ForgetStep();
        recent << QStringLiteral("%1: %2").arg(step).arg(RandomStep());
        if (recent.size() > 12)
            recent.removeFirst();
        const QStringList problems = Problems();
        ASSERT_TRUE(problems.isEmpty()) << Report(step, problems, recent);
    }
}

} // namespace
