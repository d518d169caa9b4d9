#pragma once
// The main window's own captions, prompts, tooltips and design texts.
#include <QString>

namespace catalog::window {

inline const QString Caption = QStringLiteral("Ostrevan");
inline const QString TypePrompt = QStringLiteral("Choose A Measurement Type");
inline const QString TimePrompt = QStringLiteral("Choose a Time...");
inline const QString AmountTip = QStringLiteral("Enter any amount to convert.");
inline const QString ClickToConvert = QStringLiteral("Click to Convert");
inline const QString BannerTip = QStringLiteral("Click here for more Freeware from Veltrane.");
inline const QString AboutCaption = QStringLiteral("About");

// The money panels: captions and the prices and multiple they start with.
inline const QString GoldPerOunce = QStringLiteral("Gold per Ounce");
inline const QString SilverPerOunce = QStringLiteral("Silver per Ounce");
inline const QString MoneyMultiple = QStringLiteral("Money Multiple");
inline const QString StartGoldPrice = QStringLiteral("350.00");
inline const QString StartSilverPrice = QStringLiteral("4.75");
inline const QString StartMultiple = QStringLiteral("1");
inline const QString StartAmount = QStringLiteral("1");

} // namespace catalog::window
