#include "platform/Names.h"

#include <cstdint>
#include <string_view>

#include "platform/Utf8.h"

namespace {

// Capitals of the scripts device names are written in (Latin up to Latin Extended-A, Greek,
// Cyrillic) and the small letter each folds to: Code + Offset for the code points First to
// Last. An Offset of 1 marks a range where capitals and small letters take turns, the
// capitals on First's parity. Letters without a simple folding (U+0130, U+0149) are left out.
struct TFoldRange {
    std::uint16_t First, Last;
    std::int16_t Offset;
};

constexpr TFoldRange kFoldRanges[] = {
    {0x0041, 0x005A, 32},   // A-Z
    {0x00C0, 0x00D6, 32},   // À-Ö
    {0x00D8, 0x00DE, 32},   // Ø-Þ
    {0x0100, 0x012F, 1},    // Ā-į
    {0x0132, 0x0137, 1},    // Ĳ-ķ
    {0x0139, 0x0148, 1},    // Ĺ-ň
    {0x014A, 0x0177, 1},    // Ŋ-ŷ
    {0x0178, 0x0178, -121}, // Ÿ to ÿ
    {0x0179, 0x017E, 1},    // Ź-ž
    {0x017F, 0x017F, -268}, // ſ to s
    {0x0386, 0x0386, 38},   // Ά
    {0x0388, 0x038A, 37},   // Έ-Ί
    {0x038C, 0x038C, 64},   // Ό
    {0x038E, 0x038F, 63},   // Ύ-Ώ
    {0x0391, 0x03AB, 32},   // Α-Ϋ
    {0x03C2, 0x03C2, 1},    // ς to σ
    {0x0400, 0x040F, 80},   // Ѐ-Џ
    {0x0410, 0x042F, 32},   // А-Я
    {0x0460, 0x0481, 1},    // Ѡ-ҁ
    {0x048A, 0x04BF, 1},    // Ҋ-ҿ
    {0x04C0, 0x04C0, 15},   // Ӏ
    {0x04C1, 0x04CE, 1},    // Ӂ-ӎ
    {0x04D0, 0x052F, 1},    // Ӑ-ԯ
};

char32_t FoldedLetter(char32_t Code)
{
    for (const TFoldRange& range : kFoldRanges)
        if (Code >= range.First && Code <= range.Last)
            return range.Offset != 1 || (Code - range.First) % 2 == 0 ? Code + range.Offset : Code;
    return Code;
}

// Text with its capitals folded, for comparing names whatever their case.
std::string Folded(std::string_view Text)
{
    std::string folded;
    for (std::size_t index = 0; index < Text.size();)
        AppendUtf8(folded, FoldedLetter(DecodeUtf8(Text, index)));
    return folded;
}

} // namespace

std::optional<std::size_t> MatchName(const std::vector<std::vector<std::string>>& Names,
                                     const std::string& Wanted)
{
    const std::string wanted = Folded(Wanted);
    std::vector<std::size_t> exact, whole, parts;
    for (std::size_t item = 0; item < Names.size(); ++item) {
        bool isExact = false, isWhole = false, holds = false;
        for (const std::string& name : Names[item]) {
            if (name.empty())
                continue;
            isExact = isExact || name == Wanted;
            const std::string folded = Folded(name);
            isWhole = isWhole || folded == wanted;
            holds = holds || (!wanted.empty() && folded.find(wanted) != std::string::npos);
        }
        if (isExact)
            exact.push_back(item);
        if (isWhole)
            whole.push_back(item);
        else if (holds)
            parts.push_back(item);
    }
    // Two names that differ only in case: each is still chosen by its own spelling.
    if (exact.size() == 1)
        return exact.front();
    if (whole.size() == 1)
        return whole.front();
    if (whole.empty() && parts.size() == 1)
        return parts.front();
    return std::nullopt;
}
