#include "app/SystemFormFont.h"

#include <windows.h>

#include <cstddef>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "platform/WinHandles.h"

namespace {

struct TFaceCollection {
    std::vector<std::wstring> Faces;
    bool UntilStandIn = false; // stop at the first face that may stand in for the preferred ones
    std::exception_ptr Error;  // what stopped the enumeration, thrown again outside it
};

int CALLBACK CollectFace(const LOGFONTW* Font, const TEXTMETRICW*, DWORD, LPARAM Collection)
{
    auto* collection = reinterpret_cast<TFaceCollection*>(Collection);
    try {
        collection->Faces.push_back(Font->lfFaceName);
        return collection->UntilStandIn && IsStandInFace(collection->Faces.back()) ? 0 : 1;
    } catch (...) {
        // Never through the system's frames: stop the enumeration and pass it on afterwards.
        collection->Error = std::current_exception();
        return 0;
    }
}

// The Shift-JIS faces named Face (all of them when Face is empty), in the system's order.
std::vector<std::wstring> EnumerateShiftJisFaces(const wchar_t* Face, bool UntilStandIn)
{
    TFaceCollection collection;
    collection.UntilStandIn = UntilStandIn;
    {
        const ScopedWindowDC screen(nullptr);
        LOGFONTW query{};
        query.lfCharSet = SHIFTJIS_CHARSET;
        lstrcpynW(query.lfFaceName, Face, LF_FACESIZE);
        EnumFontFamiliesExW(screen.get(), &query, CollectFace,
                            reinterpret_cast<LPARAM>(&collection), 0);
    }
    if (collection.Error)
        std::rethrow_exception(collection.Error);
    return std::move(collection.Faces);
}

// The Shift-JIS faces that decide the window's font. Looking the preferred faces up by name is
// much quicker than enumerating every face, and where none is installed the enumeration stops at
// the first face that may stand in: the choice is the same as from the whole list.
std::vector<std::wstring> ShiftJisFaces()
{
    for (const wchar_t* preferred : PreferredFormFaces()) {
        std::vector<std::wstring> faces = EnumerateShiftJisFaces(preferred, false);
        if (!faces.empty())
            return faces; // as the system names them
    }
    return EnumerateShiftJisFaces(L"", true);
}

std::wstring MessageFontFace()
{
    NONCLIENTMETRICSW metrics{};
    // The structure grew in Vista; the size of the old one is what every system accepts.
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof metrics.lfMessageFont;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return L"MS Shell Dlg 2";
    return metrics.lfMessageFont.lfFaceName;
}

} // namespace

TFontChoice SystemFormFont()
{
    return ChooseFormFont(ShiftJisFaces(), MessageFontFace());
}
