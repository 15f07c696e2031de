#include "platform/Names.h"

#include <cctype>

namespace {

std::string Lowered(std::string Text)
{
    for (char& character : Text)
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    return Text;
}

} // namespace

std::optional<std::size_t> MatchName(const std::vector<std::vector<std::string>>& Names,
                                     const std::string& Wanted)
{
    const std::string wanted = Lowered(Wanted);
    std::vector<std::size_t> exact, whole, parts;
    for (std::size_t item = 0; item < Names.size(); ++item) {
        bool isExact = false, isWhole = false, holds = false;
        for (const std::string& name : Names[item]) {
            if (name.empty())
                continue;
            isExact = isExact || name == Wanted;
            const std::string lowered = Lowered(name);
            isWhole = isWhole || lowered == wanted;
            holds = holds || (!wanted.empty() && lowered.find(wanted) != std::string::npos);
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
