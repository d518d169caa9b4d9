#pragma once
// The design shared by the main window and the About dialog: its units, font and colours,
// how a control is coloured and made at its place, and the embedded pictures.
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace design {

// Places are designed in twips; 15 twips make a pixel at 96 dpi.
inline int Px(int twips) { return (twips + 7) / 15; }
inline QRect Twips(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QFont DesignFont(double points, bool bold)
{
    QFont font;
    // The controls were laid out for a narrow sans; where "MS Sans Serif" is missing, its
    // metric look-alikes keep the labels inside their places, then any sans font will do.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The colours of the design.
inline constexpr QColor Black(0, 0, 0);
inline constexpr QColor Green(0, 255, 0);
inline constexpr QColor Cyan(0, 255, 255);
inline constexpr QColor LightCyan(192, 255, 255);
inline constexpr QColor Grey(224, 224, 224);
inline constexpr QColor DarkBlue(0, 0, 192);
inline constexpr QColor Blue(0, 0, 255);
// The design names these after system colour roles; they are fixed at the classic desktop
// scheme's values, and the platform's own scheme is not asked.
inline constexpr QColor MenuText = Black;
inline constexpr QColor WindowText = Black;
inline constexpr QColor InactiveBorder(212, 208, 200);

// One text colour and one back colour for every role a control may draw with.
inline void Colour(QWidget *w, const QColor &text, const QColor &back)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        p.setColor(role, back);
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(role, text);
    w->setPalette(p);
}

// A control by its design name (also its objectName) at its place in its container.
template <typename T>
T *Make(QWidget *parent, const char *name, const QRect &place)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(place);
    return w;
}

inline QFrame *MakeFrame(QWidget *parent, const char *name, const QRect &place)
{
    auto *frame = Make<QFrame>(parent, name, place);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken); // an etched border, no caption
    return frame;
}

// The embedded pictures.
inline const QString BannerPicture = QStringLiteral(":/pictures/banner.gif");
inline const QString SplashPicture = QStringLiteral(":/pictures/splash.gif");
inline const QString WindowIcon = QStringLiteral(":/pictures/ostrevan.ico");

} // namespace design
