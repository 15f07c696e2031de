// The version-resource reader over a resource block made of the fuzzer's bytes, with the version
// service's answers (where a value lies, how long it claims to be) from the same bytes: a value is
// read from inside the block or not at all, trimmed, without a NUL. And the window's title and
// caption from a path of any characters.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "FuzzInput.h"
#include "info/VersionInfo.h"

namespace {

// What lies beyond a block: a value must never come from here.
const wchar_t kOutside[] = L"OUTSIDE OUTSIDE OUTSIDE";

class FuzzedVersionResources final : public IVersionResources {
public:
    explicit FuzzedVersionResources(TFuzzInput& Input) : m_in(Input) {}

    std::string Block; // the block as the service wrote it into the caller's buffer

    DWORD GetInfoSize(const wchar_t*, DWORD* Handle) override
    {
        *Handle = 0;
        // A resource lies in its file: its size is that of a resource, not any number.
        return m_in.Byte() < 0x10 ? 0 : m_in.Word();
    }

    BOOL GetInfo(const wchar_t*, DWORD, DWORD Size, void* Data) override
    {
        if (m_in.Byte() >= 0xF0)
            return false;
        auto* bytes = static_cast<char*>(Data);
        // The bytes last for what they last for; the rest of the block is blanks.
        for (DWORD index = 0; index < Size; ++index)
            bytes[index] = m_in.Empty() ? ' ' : static_cast<char>(m_in.Byte());
        Block.assign(bytes, Size);
        m_data = bytes;
        return true;
    }

    BOOL QueryValue(const void* Block, const wchar_t*, void** Buffer, UINT* Length) override
    {
        FuzzCheck(Block == m_data, "a value asked of another block than was read");
        const std::uint8_t kind = m_in.Byte();
        if (kind >= 0xF0)
            return false;
        // Inside the block or just past its end, at no address, or somewhere else altogether.
        const std::size_t offset = m_in.Word() % (this->Block.size() + 8);
        void* inside = const_cast<char*>(m_data) + std::min(offset, this->Block.size());
        *Buffer = kind < 0xE0   ? inside
                  : kind < 0xE8 ? nullptr
                                : static_cast<void*>(const_cast<wchar_t*>(kOutside));
        const std::uint8_t length = m_in.Byte();
        *Length = length < 0xF0 ? length : m_in.Dword();
        return true;
    }

private:
    TFuzzInput& m_in;
    const char* m_data = nullptr;
};

bool IsBlankOrControl(wchar_t Character)
{
    return static_cast<std::make_unsigned_t<wchar_t>>(Character) <= 32;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TFuzzInput input(Data, Size);
    static const char* const kKeys[] = {
        kVerComments,     kVerCompanyName,    kVerFileDescription, kVerFileVersion,
        kVerInternalName, kVerLegalCopyright, kVerLegalTrademarks, kVerOriginalFilename,
        kVerPrivateBuild, kVerProductName,    kVerProductVersion,  kVerSpecialBuild,
    };
    const char* key = kKeys[input.Byte() % std::size(kKeys)];

    std::wstring path;
    for (std::uint8_t length = input.Byte(); length > 0; --length)
        path += static_cast<wchar_t>(input.Byte() < 0xF0 ? input.Byte() : input.Word());
    const std::wstring title =
        ApplicationTitle(path, [](const std::wstring& Text) { return Text; });
    FuzzCheck(title.find(L'.') == std::wstring::npos, "a title with its extension");
    VersionCaption(title, L"1.0", L"Form1");

    FuzzedVersionResources resources(input);
    const std::wstring untouched = L"(untouched)";
    std::wstring value = untouched;
    GetVersionInfoValue(resources, key, path, value);
    // A value of blanks only is an empty value.
    if (value == untouched || value.empty())
        return 0;
    FuzzCheck(value.find(L'\0') == std::wstring::npos, "a value with a NUL inside");
    FuzzCheck(!IsBlankOrControl(value.front()) && !IsBlankOrControl(value.back()),
              "a value not trimmed");
    const char* bytes = reinterpret_cast<const char*>(value.data());
    FuzzCheck(std::search(resources.Block.begin(), resources.Block.end(), bytes,
                          bytes + value.size() * sizeof(wchar_t)) != resources.Block.end(),
              "a value that is not in the block");
    return 0;
}
