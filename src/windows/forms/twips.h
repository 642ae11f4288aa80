#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kx {

// Layouts are written in twips; 15 twips make one pixel.
constexpr int TwipsPerPixel = 15;

constexpr int twips(int t)
{
    return (t >= 0 ? t + TwipsPerPixel / 2 : t - TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr int toTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline QPoint twipsPoint(int left, int top)
{
    return QPoint(twips(left), twips(top));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}

} // namespace kx
