// Reading a version resource's string values: translation and sub-block rules, trimming, what
// keeps the caller's text, and that nothing is read outside the block the service returned.
#include <gtest/gtest.h>

#include <string>

#include "info/VersionInfo.h"
#include "AllocationCounter.h"
#include "InfoFakes.h"

namespace {

const char kVersionPath[] = "\\StringFileInfo\\040904E4\\FileVersion";

FakeVersionResources KorvaleLike()
{
    FakeVersionResources resources;
    resources.AddTranslations({{0x0409, 0x04E4}});
    resources.AddWide(kVersionPath, L"0.8.1.24");
    return resources;
}

std::wstring Read(FakeVersionResources& Resources, const std::string& Key,
                  const std::wstring& Before = L"caller's text")
{
    std::wstring value = Before;
    GetVersionInfoValue(Resources, Key, L"C:\\Korvale.exe", value);
    return value;
}

// Lower case for the ASCII letters, as the system's rules give it for them.
std::wstring AsciiLower(const std::wstring& Text)
{
    std::wstring lowered = Text;
    for (wchar_t& unit : lowered)
        unit = unit >= L'A' && unit <= L'Z' ? unit - L'A' + L'a' : unit;
    return lowered;
}

TEST(GetVersionInfoValue, ReadsTheValueUnderTheFirstTranslation)
{
    FakeVersionResources resources = KorvaleLike();
    EXPECT_EQ(Read(resources, "FileVersion"), L"0.8.1.24");
    EXPECT_EQ(resources.Queries.back(), kVersionPath);

    const struct {
        WORD Language, CodePage;
        const char* Path;
    } translations[] = {{0x0411, 0x03A4, "\\StringFileInfo\\041103A4\\FileVersion"},
                        {0x0409, 0x04B0, "\\StringFileInfo\\040904B0\\FileVersion"},
                        {0x0000, 0xFFFF, "\\StringFileInfo\\0000FFFF\\FileVersion"}};
    for (const auto& tested : translations) {
        FakeVersionResources other;
        other.AddTranslations({{tested.Language, tested.CodePage}});
        other.AddWide(tested.Path, L"1.0");
        EXPECT_EQ(Read(other, "FileVersion"), L"1.0") << tested.Path;
    }

    // Only the first pair counts, even when the key is only under the second.
    FakeVersionResources two;
    two.AddTranslations({{0x0409, 0x04E4}, {0x0411, 0x03A4}});
    two.AddWide("\\StringFileInfo\\041103A4\\FileVersion", L"2.0");
    EXPECT_EQ(Read(two, "FileVersion"), L"caller's text");
}

TEST(GetVersionInfoValue, TrimsBlanksAndControlsAndStopsAtTheTerminator)
{
    const struct {
        std::wstring Stored;
        std::optional<UINT> Reported;
        const wchar_t* Expected;
    } cases[] = {
        {L"  0.8.1.24  ", std::nullopt, L"0.8.1.24"},
        {L"\t0.8 1\r\n", std::nullopt, L"0.8 1"},
        {L"     ", std::nullopt, L""}, // blanks only: an empty value, not the caller's text
        {std::wstring(L"0.8.1.24\0", 9), std::nullopt, L"0.8.1.24"},
        {std::wstring(L"0.8\0junk", 8), std::nullopt, L"0.8"},
        {L"0.8.1.24", 3, L"0.8"},         // never more than the reported length
        {L"0.8.1.24", 5000, L"0.8.1.24"}, // nor past the end of the block
    };
    for (const auto& tested : cases) {
        FakeVersionResources resources;
        resources.AddTranslations({{0x0409, 0x04E4}});
        resources.AddWide(kVersionPath, tested.Stored, tested.Reported);
        EXPECT_EQ(Read(resources, "FileVersion"), tested.Expected)
            << testing::PrintToString(tested.Stored);
    }
}

TEST(GetVersionInfoValue, KeepsTheCallersTextWhenThereIsNothingToRead)
{
    FakeVersionResources noResource = KorvaleLike();
    noResource.HasResource = false;
    EXPECT_EQ(Read(noResource, "FileVersion"), L"caller's text");

    FakeVersionResources unreadable = KorvaleLike();
    unreadable.ReadFails = true;
    EXPECT_EQ(Read(unreadable, "FileVersion"), L"caller's text");

    FakeVersionResources noTranslation;
    noTranslation.AddWide(kVersionPath, L"0.8.1.24");
    EXPECT_EQ(Read(noTranslation, "FileVersion"), L"caller's text");

    // A translation value shorter than one entry is no translation.
    FakeVersionResources shortTranslation;
    shortTranslation.Add("\\VarFileInfo\\Translation", std::string("\x09\x04", 2));
    shortTranslation.AddWide(kVersionPath, L"0.8.1.24");
    EXPECT_EQ(Read(shortTranslation, "FileVersion"), L"caller's text");

    FakeVersionResources emptyValue = KorvaleLike();
    emptyValue.AddWide("\\StringFileInfo\\040904E4\\Comment", L"", 0);
    EXPECT_EQ(Read(emptyValue, "Comment"), L"caller's text");
    EXPECT_EQ(Read(emptyValue, "Comments"), L"caller's text");
    EXPECT_EQ(Read(emptyValue, "Comments", L""), L"");

    FakeVersionResources outside = KorvaleLike();
    outside.AddOutsideBlock("\\StringFileInfo\\040904E4\\InternalName");
    EXPECT_EQ(Read(outside, "InternalName"), L"caller's text");
}

// The key is data: a "%" in it is looked up as it stands and never formats anything.
TEST(GetVersionInfoValue, LooksAKeyWithPercentSignsUpLiterally)
{
    FakeVersionResources resources = KorvaleLike();
    resources.AddWide("\\StringFileInfo\\040904E4\\Rate %s%n%d", L"100%");
    EXPECT_EQ(Read(resources, "Rate %s%n%d"), L"100%");
    EXPECT_EQ(resources.Queries.back(), "\\StringFileInfo\\040904E4\\Rate %s%n%d");
}

TEST(GetVersionInfoValue, ReleasesItsBufferOnEveryPath)
{
    const size_t before = AllocationCounts().Live;
    {
        FakeVersionResources resources = KorvaleLike();
        for (const char* key : {"FileVersion", "Missing"})
            Read(resources, key);
        resources.ReadFails = true;
        Read(resources, "FileVersion");
    }
    EXPECT_EQ(AllocationCounts().Live, before);
}

// The wide service counts a text's length in characters: the value is read whole, and no further
// than the block even when a length says more.
TEST(GetVersionInfoValue, ReadsWideValuesInTheirOwnCharacters)
{
    const std::wstring description = L"\x30DE\x30EB\x30C1 \x30C4\x30FC\x30EB";
    const auto read = [](FakeVersionResources& Resources) {
        std::wstring value = L"caller's text";
        GetVersionInfoValue(Resources, "FileDescription", L"C:\\\x041A\\Korvale.exe", value);
        return value;
    };
    FakeVersionResources resources;
    resources.AddTranslations({{0x0409, 0x04E4}});
    resources.AddWide("\\StringFileInfo\\040904E4\\FileDescription", L" " + description + L" ",
                      static_cast<UINT>(description.size() + 3)); // the NUL counted
    EXPECT_EQ(read(resources), description);

    FakeVersionResources overlong;
    overlong.AddTranslations({{0x0409, 0x04E4}});
    overlong.AddWide("\\StringFileInfo\\040904E4\\FileDescription", description, 4096);
    EXPECT_EQ(read(overlong), description);
}

TEST(VersionCaption, NamesTitleVersionAndForm)
{
    EXPECT_EQ(VersionCaption(ApplicationTitle(L"C:\\\x041A\\KORVALE.EXE", AsciiLower), L"0.8.1.24",
                             L"InfoForm"),
              L"Korvale Ver.0.8.1.24 - InfoForm");
    EXPECT_EQ(VersionCaption(L"Korvale", L"", L"InfoForm"), L"Korvale Ver. - InfoForm");
}

TEST(ApplicationTitle, CutsAtTheFirstDotAndLowersAllButTheFirstCharacter)
{
    EXPECT_EQ(ApplicationTitle(L"C:\\Apps\\KORVALE.EXE", AsciiLower), L"Korvale");
    EXPECT_EQ(ApplicationTitle(L"C:\\my.apps\\korvale.v2.exe", AsciiLower), L"korvale");
    EXPECT_EQ(ApplicationTitle(L"Korvale", AsciiLower), L"Korvale");
    EXPECT_EQ(ApplicationTitle(L"C:\\.hidden", AsciiLower), L"");
}

} // namespace
