// The mixer tree (MixerTree) as the console tool writes it: indented text for people
// (TreeText.cpp), or one JSON document for scripts (TreeJson.cpp). Both carry the same nodes,
// values and failures.
#pragma once

#include <string>
#include <vector>

#include "mixer/MixerTree.h"
#include "mixer/Reports.h"

class TJsonWriter;

/// Where the tree was read: the program that read it and the running Windows.
struct TTreeContext {
    std::string ProgramName;
    std::string ProgramVersion;
    DWORD WindowsMajor = 0;
    DWORD WindowsMinor = 0;
    DWORD WindowsBuild = 0;
};

/// The shape of the JSON document; raised when a field changes meaning or goes away.
constexpr int kTreeJsonSchema = 1;

/// True on Windows Vista (6.0) and later, where the legacy mixer's volume and mute controls
/// belong to the calling program's own audio session, not to the system's master volume.
inline bool MixerIsSessionScoped(const TTreeContext& Context)
{
    return Context.WindowsMajor >= 6;
}

/// "KorvaleReport 1.0 on Windows 10.0 (build 19045)": how the text reports start.
std::string ReadWhere(const TTreeContext& Context);

/// The tree as indented text lines (UTF-8), through AppendLine.
void WriteTreeText(const TMixerTree& Tree, const TTreeContext& Context,
                   const TLineSink& AppendLine);

/// The members every JSON document of the console tool starts with: "schema", "program" and
/// "windows", into the object Json has open.
void WriteJsonHead(TJsonWriter& Json, const TTreeContext& Context);

/// The tree as one JSON document: ASCII only (other characters as \uXXXX), numbers written the
/// same under every locale, ending with a line break.
std::string TreeJson(const TMixerTree& Tree, const TTreeContext& Context);
