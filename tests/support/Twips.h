#pragma once
// A designed place in twips as the pixels it must take at 96 dpi (15 twips a pixel, rounded),
// worked out apart from the program's own conversion.
#include <QRect>

inline QRect FromTwips(int l, int t, int w, int h)
{
    return QRect((l + 7) / 15, (t + 7) / 15, (w + 7) / 15, (h + 7) / 15);
}
