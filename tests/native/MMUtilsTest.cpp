// The five result-text functions against their tables, over every code from 0 to 1100 and a few
// large ones, with names that must come back literally in the "Not ... Result" text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "mixer/MMUtils.h"

namespace {

using TextTable = std::map<MMRESULT, std::string>;

const TextTable kDevCapsTexts = {
    {2, "MMSYSERR_BADDEVICEID: The specified device identifier is out of range."},
    {5, "MMSYSERR_INVALHANDLE: The mixer device handle is invalid."},
    {11, "MMSYSERR_INVALPARAM: One or more parameters are invalid."},
};

const TextTable kOpenTexts = {
    {2, "MMSYSERR_BADDEVICEID: The uMxId parameter specifies an invalid device identifier."},
    {4, "MMSYSERR_ALLOCATED: The specified resource is already allocated by the maximum number of "
        "clients possible."},
    {5, "MMSYSERR_INVALHANDLE: The uMxId parameter specifies an invalid handle."},
    {6, "MMSYSERR_NODRIVER: No mixer device is available for the object specified by uMxId. Note "
        "that the location referenced by uMxId will also contain the value  - 1."},
    {7, "MMSYSERR_NOMEM: Unable to allocate resources."},
    {10, "MMSYSERR_INVALFLAG: One or more flags are invalid."},
    {11, "MMSYSERR_INVALPARAM: One or more parameters are invalid."},
};

const TextTable kLineInfoTexts = {
    {2, "MMSYSERR_BADDEVICEID: The hmxobj parameter specifies an invalid device identifier."},
    {5, "MMSYSERR_INVALHANDLE: The hmxobj parameter specifies an invalid handle."},
    {6, "MMSYSERR_NODRIVER: No mixer device is available for the object specified by hmxobj."},
    {10, "MMSYSERR_INVALFLAG: One or more flags are invalid."},
    {11, "MMSYSERR_INVALPARAM: One or more parameters are invalid."},
    {1024, "MIXERR_INVALLINE: The audio line reference is invalid."},
};

// The line and control queries share the line-info texts and add the invalid-control one.
TextTable LineControlsTexts()
{
    TextTable texts = kLineInfoTexts;
    texts[1025] = "MIXERR_INVALCONTROL: The control reference is invalid.";
    return texts;
}

struct ResultTextCase {
    const char* Function;
    std::string (*Text)(MMRESULT, std::string_view);
    TextTable Known;
};

const ResultTextCase kCases[] = {
    {"MixerDevCapsResultText", MixerDevCapsResultText, kDevCapsTexts},
    {"MixerOpenResultText", MixerOpenResultText, kOpenTexts},
    {"MixerLineInfoResultText", MixerLineInfoResultText, kLineInfoTexts},
    {"MixerLineControlsResultText", MixerLineControlsResultText, LineControlsTexts()},
    {"MixerControlDetailsResultText", MixerControlDetailsResultText, LineControlsTexts()},
};

void PrintTo(const ResultTextCase& Case, std::ostream* Out)
{
    *Out << Case.Function;
}

std::vector<MMRESULT> CodesToTry()
{
    std::vector<MMRESULT> codes;
    for (MMRESULT code = 0; code <= 1100; ++code)
        codes.push_back(code);
    // Codes whose low 16 bits (or low byte) name a known code must not be taken for it.
    for (MMRESULT code : {0x10000u, 0x10002u, 0x10400u, 0x10401u, 0x100u + 2, 0x7FFFFFFFu,
                          0x80000000u, 0x80000002u, 0xFFFFFFFFu})
        codes.push_back(code);
    return codes;
}

// The real callers' names, and names that would misbehave if they reached a format.
const std::string kNames[] = {"mixerGetDevCaps", "mixerGetControlDetails", "", "%s%d%n", "100%"};

class ResultTextTest : public testing::TestWithParam<ResultTextCase> {};

TEST_P(ResultTextTest, EveryCodeGivesItsTableTextOrNamesTheCall)
{
    const ResultTextCase& tested = GetParam();
    for (const std::string& name : kNames) {
        for (MMRESULT code : CodesToTry()) {
            const auto known = tested.Known.find(code);
            const std::string expected = code == MMSYSERR_NOERROR      ? ""
                                         : known != tested.Known.end() ? known->second
                                                                       : "Not " + name + " Result";
            ASSERT_EQ(tested.Text(code, name), expected)
                << "code " << code << ", name \"" << name << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(MixerResultTexts, ResultTextTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ResultTextCase>& Info) {
                             return std::string(Info.param.Function);
                         });

} // namespace
