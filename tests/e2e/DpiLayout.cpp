#include "e2e/DpiLayout.h"

#include <cmath>
#include <cstdlib>

#include "platform/WinHandles.h"

UINT DisplayDpi()
{
    const ScopedWindowDC screen(nullptr);
    return static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY));
}

::testing::AssertionResult IsScaled(LONG Actual, LONG Design, UINT Dpi)
{
    const double expected = Design * static_cast<double>(Dpi) / 96.0;
    if (std::fabs(Actual - expected) <= 2.0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << Actual << " where " << Design << " at " << Dpi << " DPI is " << expected;
}

::testing::AssertionResult IsScaled(const RECT& Actual, const RECT& Design, UINT Dpi)
{
    if (IsScaled(Actual.left, Design.left, Dpi) && IsScaled(Actual.top, Design.top, Dpi) &&
        IsScaled(Actual.right, Design.right, Dpi) && IsScaled(Actual.bottom, Design.bottom, Dpi))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << Actual.left << "," << Actual.top << ")-(" << Actual.right << ","
           << Actual.bottom << ") where (" << Design.left << "," << Design.top << ")-("
           << Design.right << "," << Design.bottom << ") at " << Dpi << " DPI is scaled by "
           << Dpi / 96.0;
}

SIZE TextSize(const TFontDesign& Font, UINT Dpi, const std::wstring& Text)
{
    LOGFONTW design{};
    design.lfHeight = -static_cast<LONG>(std::lround(Font.Height * Dpi / 96.0));
    design.lfWeight = Font.Weight;
    design.lfUnderline = Font.Underline;
    design.lfCharSet = Font.Charset;
    lstrcpynW(design.lfFaceName, Font.Face.c_str(), LF_FACESIZE);
    const UniqueFont font(CreateFontIndirectW(&design));
    const UniqueMemoryDC context(CreateCompatibleDC(nullptr));
    const ScopedSelection selected(context.get(), font.get());
    SIZE size{};
    GetTextExtentPoint32W(context.get(), Text.c_str(), static_cast<int>(Text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.get(), &metrics);
    size.cy = metrics.tmHeight;
    return size;
}

bool Overlap(const RECT& First, const RECT& Second)
{
    RECT common;
    return IntersectRect(&common, &First, &Second) != FALSE;
}
