#include "mixer/MixerNames.h"

#include "platform/Format.h"
#include "platform/Names.h"

namespace {

// The name of Value, or the value in hexadecimal.
template <std::size_t N>
std::string NameOrHex(const TNamed (&Names)[N], DWORD Value)
{
    const char* name = FindName(Names, Value);
    return name ? name : Format("0x%08X", static_cast<unsigned>(Value));
}

const TNamed kControlTypes[] = {
    {0x00000000, "CUSTOM"},        {0x10010000, "BOOLEANMETER"},
    {0x10020000, "SIGNEDMETER"},   {0x10020001, "PEAKMETER"},
    {0x10030000, "UNSIGNEDMETER"}, {0x20010000, "BOOLEAN"},
    {0x20010001, "ONOFF"},         {0x20010002, "MUTE"},
    {0x20010003, "MONO"},          {0x20010004, "LOUDNESS"},
    {0x20010005, "STEREOENH"},     {0x20012277, "BASS_BOOST"},
    {0x21010000, "BUTTON"},        {0x30040000, "DECIBELS"},
    {0x30020000, "SIGNED"},        {0x30030000, "UNSIGNED"},
    {0x30050000, "PERCENT"},       {0x40020000, "SLIDER"},
    {0x40020001, "PAN"},           {0x40020002, "QSOUNDPAN"},
    {0x50030000, "FADER"},         {0x50030001, "VOLUME"},
    {0x50030002, "BASS"},          {0x50030003, "TREBLE"},
    {0x50030004, "EQUALIZER"},     {0x70010000, "SINGLESELECT"},
    {0x70010001, "MUX"},           {0x71010000, "MULTIPLESELECT"},
    {0x71010001, "MIXER"},         {0x60030000, "MICROTIME"},
    {0x61030000, "MILLITIME"},
};

const TNamed kControlClasses[] = {
    {0x00000000, "CUSTOM"}, {0x10000000, "METER"}, {0x20000000, "SWITCH"}, {0x30000000, "NUMBER"},
    {0x40000000, "SLIDER"}, {0x50000000, "FADER"}, {0x60000000, "TIME"},   {0x70000000, "LIST"},
};

const TNamed kControlUnits[] = {
    {0x00000000, "CUSTOM"},   {0x00010000, "BOOLEAN"},  {0x00020000, "SIGNED"},
    {0x00030000, "UNSIGNED"}, {0x00040000, "DECIBELS"}, {0x00050000, "PERCENT"},
};

const TNamed kComponentTypes[] = {
    {0x0000, "DST_UNDEFINED"},  {0x0001, "DST_DIGITAL"},     {0x0002, "DST_LINE"},
    {0x0003, "DST_MONITOR"},    {0x0004, "DST_SPEAKERS"},    {0x0005, "DST_HEADPHONES"},
    {0x0006, "DST_TELEPHONE"},  {0x0007, "DST_WAVEIN"},      {0x0008, "DST_VOICEIN"},
    {0x1000, "SRC_UNDEFINED"},  {0x1001, "SRC_DIGITAL"},     {0x1002, "SRC_LINE"},
    {0x1003, "SRC_MICROPHONE"}, {0x1004, "SRC_SYNTHESIZER"}, {0x1005, "SRC_COMPACTDISC"},
    {0x1006, "SRC_TELEPHONE"},  {0x1007, "SRC_PCSPEAKER"},   {0x1008, "SRC_WAVEOUT"},
    {0x1009, "SRC_AUXILIARY"},  {0x100A, "SRC_ANALOG"},
};

const TNamed kTargetTypes[] = {
    {0, "UNDEFINED"}, {1, "WAVEOUT"}, {2, "WAVEIN"}, {3, "MIDIOUT"}, {4, "MIDIIN"}, {5, "AUX"},
};

const TNamed kResults[] = {
    {0, "MMSYSERR_NOERROR"},      {1, "MMSYSERR_ERROR"},         {2, "MMSYSERR_BADDEVICEID"},
    {3, "MMSYSERR_NOTENABLED"},   {4, "MMSYSERR_ALLOCATED"},     {5, "MMSYSERR_INVALHANDLE"},
    {6, "MMSYSERR_NODRIVER"},     {7, "MMSYSERR_NOMEM"},         {8, "MMSYSERR_NOTSUPPORTED"},
    {9, "MMSYSERR_BADERRNUM"},    {10, "MMSYSERR_INVALFLAG"},    {11, "MMSYSERR_INVALPARAM"},
    {12, "MMSYSERR_HANDLEBUSY"},  {13, "MMSYSERR_INVALIDALIAS"}, {14, "MMSYSERR_BADDB"},
    {15, "MMSYSERR_KEYNOTFOUND"}, {16, "MMSYSERR_READERROR"},    {17, "MMSYSERR_WRITEERROR"},
    {18, "MMSYSERR_DELETEERROR"}, {19, "MMSYSERR_VALNOTFOUND"},  {20, "MMSYSERR_NODRIVERCB"},
    {21, "MMSYSERR_MOREDATA"},    {1024, "MIXERR_INVALLINE"},    {1025, "MIXERR_INVALCONTROL"},
    {1026, "MIXERR_INVALVALUE"},
};

} // namespace

std::string ControlTypeName(DWORD Type)
{
    return NameOrHex(kControlTypes, Type);
}

std::string ControlClassName(DWORD Type)
{
    return NameOrHex(kControlClasses, Type & MIXERCONTROL_CT_CLASS_MASK);
}

std::string ControlUnitsName(DWORD Type)
{
    return NameOrHex(kControlUnits, Type & MIXERCONTROL_CT_UNITS_MASK);
}

std::string ComponentTypeName(DWORD Type)
{
    return NameOrHex(kComponentTypes, Type);
}

std::string TargetTypeName(DWORD Type)
{
    const char* name = FindName(kTargetTypes, Type);
    return name ? name : Format("%u", static_cast<unsigned>(Type));
}

std::string MixerResultName(MMRESULT Code)
{
    const char* name = FindName(kResults, Code);
    return name ? name : Format("MMRESULT %u", static_cast<unsigned>(Code));
}
