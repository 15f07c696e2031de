// What the windows must look like at a DPI other than the 96 they were designed at: every place
// and size the design's scaled (within rounding), every text whole in its scaled font.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

/// The DPIs of today's screens: 100, 125, 150 and 200 percent.
inline constexpr UINT kScreenDpis[] = {96, 120, 144, 192};

/// The display's DPI, as this program was started at it (tests/e2e/dpi.sh sets it).
UINT DisplayDpi();

/// Whether Actual is Design, pixels at 96 DPI, at Dpi: within two pixels of rounding.
::testing::AssertionResult IsScaled(LONG Actual, LONG Design, UINT Dpi);
::testing::AssertionResult IsScaled(const RECT& Actual, const RECT& Design, UINT Dpi);

/// A font as the windows make it: its characters' height in pixels at 96 DPI.
struct TFontDesign {
    std::wstring Face;
    int Height;
    int Weight = FW_NORMAL;
    bool Underline = false;
    BYTE Charset = ANSI_CHARSET;
};

/// The width of Text in Font at Dpi, and the height of the font's lines.
SIZE TextSize(const TFontDesign& Font, UINT Dpi, const std::wstring& Text);

/// Whether the two rectangles share a pixel.
bool Overlap(const RECT& First, const RECT& Second);
