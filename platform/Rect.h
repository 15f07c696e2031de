// A rectangle's size, for the program's code on Windows and the portable code alike.
#pragma once

#include "platform/WinCompat.h"

/// The width of Rect (its right edge lies just outside it, as everywhere in Windows).
constexpr int Width(const RECT& Rect)
{
    return Rect.right - Rect.left;
}

/// The height of Rect (its bottom edge lies just outside it).
constexpr int Height(const RECT& Rect)
{
    return Rect.bottom - Rect.top;
}
