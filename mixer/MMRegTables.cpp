// The multimedia identifier registry: the names of the manufacturer (wMid) and product (wPid)
// identifiers of the devices' capability records.
//
// Constant data, compiled in and needing no start-up work: every table is sorted by identifier
// and searched by number. Names are kept exactly as registered; every blank inside the quotes,
// trailing and doubled ones included, is part of the name. An identifier range in the register
// is one entry per identifier here.
#include "mixer/MMRegTables.h"

// One entry per line, as the register lists them.
// clang-format off
namespace {

// 1 Microsoft Corporation
constexpr TProductName kProducts1[] = {
    {1, "Midi Mapper"},
    {2, "Wave Mapper"},
    {3, "Sound Blaster MIDI output port"},
    {4, "Sound Blaster MIDI input port"},
    {5, "Sound Blaster internal synth"},
    {6, "Sound Blaster waveform output"},
    {7, "Sound Blaster waveform input"},
    {9, "Ad Lib Compatible synth"},
    {10, "MPU 401 compatible MIDI output port"},
    {11, "MPU 401 compatible MIDI input port"},
    {12, "Joystick adapter"},
    {13, "PC speaker waveform output"},
    {14, "MS Audio Board waveform input"},
    {15, "MS Audio Board waveform output"},
    {16, "MS Audio Board  Stereo FM synth"},
    {17, "MS Audio Board Mixer Driver"},
    {18, "MS OEM Audio Board waveform input"},
    {19, "MS OEM Audio Board waveform output"},
    {20, "MS OEM Audio Board Stereo FM Synth"},
    {21, "MS Audio Board Aux. Port"},
    {22, "MS OEM Audio Aux Port"},
    {23, "MS Vanilla driver waveform input"},
    {24, "MS Vanilla driver wavefrom output"},
    {25, "MS Vanilla driver MIDI in"},
    {26, "MS Vanilla driver MIDI  external out"},
    {27, "MS Vanilla driver MIDI synthesizer"},
    {28, "MS Vanilla driver aux (line in)"},
    {29, "MS Vanilla driver aux (mic)"},
    {30, "MS Vanilla driver aux (CD)"},
    {31, "MS OEM Audio Board Mixer Driver"},
    {32, "MS Audio Compression Manager"},
    {33, "MS ADPCM Codec"},
    {34, "IMA ADPCM Codec"},
    {35, "MS Filter"},
    {36, "GSM 610 codec"},
    {37, "G.711 codec"},
    {38, "PCM converter"},
    {39, "Sound Blaster 16 waveform input"},
    {40, "Sound Blaster 16  waveform output"},
    {41, "Sound Blaster 16 midi-in"},
    {42, "Sound Blaster 16 midi out"},
    {43, "Sound Blaster 16 FM Synthesis"},
    {44, "Sound Blaster 16 aux (line in)"},
    {45, "Sound Blaster 16 aux (CD)"},
    {46, "Sound Blaster 16 mixer device"},
    {47, "Sound Blaster Pro waveform input"},
    {48, "Sound Blaster Pro waveform output"},
    {49, "Sound Blaster Pro midi in"},
    {50, "Sound Blaster Pro midi out"},
    {51, "Sound Blaster Pro FM synthesis"},
    {52, "Sound Blaster Pro aux (line in )"},
    {53, "Sound Blaster Pro aux (CD)"},
    {54, "Sound Blaster Pro mixer"},
    {55, "WSS NT wave in"},
    {56, "WSS NT wave out"},
    {57, "WSS NT FM synth"},
    {58, "WSS NT mixer"},
    {59, "WSS NT aux"},
    {60, "Sound Blaster 16 waveform input"},
    {61, "Sound Blaster 16  waveform output"},
    {62, "Sound Blaster 16 midi-in"},
    {63, "Sound Blaster 16 midi out"},
    {64, "Sound Blaster 16 FM Synthesis"},
    {65, "Sound Blaster 16 aux (line in)"},
    {66, "Sound Blaster 16 aux (CD)"},
    {67, "Sound Blaster 16 mixer device"},
    {68, "Sound Blaster Pro waveform input"},
    {69, "Sound Blaster Pro waveform output"},
    {70, "Sound Blaster Pro midi in"},
    {71, "Sound Blaster Pro midi out"},
    {72, "Sound Blaster Pro FM synthesis"},
    {73, "Sound Blaster Pro aux (line in)"},
    {74, "Sound Blaster Pro aux (CD)"},
    {75, "Sound Blaster Pro mixer"},
    {76, "Yamaha OPL2/OPL3 compatible FM synthesis"},
    {80, "Voice Modem Serial Line Wave Input"},
    {81, "Voice Modem Serial Line Wave Output"},
    {82, "Voice Modem Serial Handset Wave Input"},
    {83, "Voice Modem Serial Handset Wave Output"},
    {84, "Voice Modem Wrapper Line Wave Input"},
    {85, "Voice Modem Wrapper Line Wave Output"},
    {86, "Voice Modem Wrapper Handset Wave Input"},
    {87, "Voice Modem Wrapper Handset Wave Output"},
    {88, "Voice Modem Wrapper Mixer"},
    {89, "Voice Modem Game Compatible Wave Device"},
    {90, "Voice Modem Game Compatible Wave Device"},
    {91, "ACM_MSNAUDIO"},
    {92, "ACM_MSG723"},
    {93, "ACM_MSRT24"},
    {100, "Generic id for WDM Audio drivers"},
    {101, "Generic id for WDM Audio drivers"},
    {102, "Generic id for WDM Audio drivers"},
    {103, "Generic id for WDM Audio drivers"},
    {104, "Generic id for WDM Audio drivers"},
    {105, "Generic id for WDM Audio drivers"},
};

// 2 Creative Labs, Inc.
constexpr TProductName kProducts2[] = {
    {1, "SB (r) 1.5 waveform input"},
    {2, "SB20_WAVEIN"},
    {3, "SBPRO_WAVEIN"},
    {4, "SBP16_WAVEIN"},
    {5, "PHNBLST_WAVEIN"},
    {101, "SB15_WAVEOUT"},
    {102, "SB20_WAVEOUT"},
    {103, "SBPRO_WAVEOUT"},
    {104, "SBP16_WAVEOUT"},
    {105, "PHNBLST_WAVEOUT"},
    {201, "SB (r)"},
    {202, "SB (r)"},
    {301, "SB (r)"},
    {302, "SB Pro (r) stereo synthesizer"},
    {303, "MIDI_AWE32"},
    {401, "SB Pro (r) aux (CD)"},
    {402, "SB Pro (r) aux (Line in )"},
    {403, "SB Pro (r) aux (mic)"},
    {404, "AUX_MASTER"},
    {405, "AUX_PCSPK"},
    {406, "AUX_WAVE"},
    {407, "AUX_MIDI"},
    {408, "SBPRO_MIXER"},
    {409, "SB16_MIXER"},
};

// 3 Media Vision, Inc.
constexpr TProductName kProducts3[] = {
    {16, "Pro Audio Spectrum"},
    {17, "Pro Audio Spectrum MIDIOUT"},
    {18, "Pro Audio Spectrum MIDIIN "},
    {19, "Pro Audio Spectrum SYNTH  "},
    {20, "Pro Audio Spectrum WAVEOUT"},
    {21, "Pro Audio Spectrum WAVEIN "},
    {22, "Pro Audio Spectrum MIXER  "},
    {23, "Pro Audio Spectrum AUX    "},
    {32, "Thunder Board"},
    {35, "Thunder Board SYNTH      "},
    {36, "Thunder Board WAVEOUT    "},
    {37, "Thunder Board WAVEIN     "},
    {39, "Thunder Board AUX        "},
    {64, "Audio Port"},
    {65, "Audio Port WAVEOUT    "},
    {66, "Audio Port WAVEIN     "},
    {67, "Audio Port SYNTH      "},
    {80, "Pro Audio Spectrum Plus"},
    {81, "Pro Audio Spectrum Plus MIDIOUT"},
    {82, "Pro Audio Spectrum Plus MIDIIN "},
    {83, "Pro Audio Spectrum Plus SYNTH  "},
    {84, "Pro Audio Spectrum Plus WAVEOUT"},
    {85, "Pro Audio Spectrum Plus WAVEIN "},
    {86, "Pro Audio Spectrum Plus MIXER  "},
    {87, "Pro Audio Spectrum Plus AUX    "},
    {96, "Pro Audio Spectrum 16"},
    {97, "Pro Audio Spectrum 16 MIDIOUT"},
    {98, "Pro Audio Spectrum 16 MIDIIN "},
    {99, "Pro Audio Spectrum 16 SYNTH  "},
    {100, "Pro Audio Spectrum 16 WAVEOUT"},
    {101, "Pro Audio Spectrum 16 WAVEIN "},
    {102, "Pro Audio Spectrum 16 MIXER  "},
    {103, "Pro Audio Spectrum 16 AUX    "},
    {112, "CDPC"},
    {113, "CDPC_MIDIOUT"},
    {114, "CDPC_MIDIIN "},
    {115, "CDPC_SYNTH  "},
    {116, "CDPC_WAVEOUT"},
    {117, "CDPC_WAVEIN "},
    {118, "CDPC_MIXER  "},
    {119, "CDPC_AUX    "},
    {128, "Opus MV 1208 Chipsent"},
    {129, "Opus MV 1208 Chipsent OPUS401_MIDIOUT "},
    {130, "Opus MV 1208 Chipsent OPUS401_MIDIIN  "},
    {131, "Opus MV 1208 Chipsent SYNTH  "},
    {132, "Opus MV 1208 Chipsent WAVEOUT"},
    {133, "Opus MV 1208 Chipsent WAVEIN "},
    {134, "Opus MV 1208 Chipsent MIXER  "},
    {135, "Opus MV 1208 Chipsent AUX    "},
    {144, "Opus MV 1216 chipset "},
    {145, "Opus MV 1216 chipset MIDIOUT"},
    {146, "Opus MV 1216 chipset MIDIIN "},
    {147, "Opus MV 1216 chipset SYNTH  "},
    {148, "Opus MV 1216 chipset WAVEOUT"},
    {149, "Opus MV 1216 chipset WAVEIN "},
    {150, "Opus MV 1216 chipset MIXER  "},
    {151, "Opus MV 1216 chipset AUX    "},
};

// 6 Cyrix Corporation
constexpr TProductName kProducts6[] = {
    {1, "XASYNTH  "},
    {2, "XAMIDIIN "},
    {3, "XAMIDIOUT"},
    {4, "XAWAVEIN "},
    {5, "XAWAVEOUT"},
    {6, "XAAUX    "},
    {7, "XAMIXER  "},
};

// 7 Philips Speech Processing
constexpr TProductName kProducts7[] = {
    {1, "ACM_LPCBB"},
};

// 8 NetXL, Inc.
constexpr TProductName kProducts8[] = {
    {1, "XLVIDEO"},
};

// 9 ZyXEL Communications, Inc.
constexpr TProductName kProducts9[] = {
    {1, "ACM_ADPCM"},
};

// 11 Aardvark Computer Systems, Inc.
constexpr TProductName kProducts11[] = {
    {1, "STUDIO12_WAVEOUT"},
    {2, "STUDIO12_WAVEIN "},
    {3, "STUDIO88_WAVEOUT"},
    {4, "STUDIO88_WAVEIN "},
};

// 12 Bin Tec Communications GmbH
constexpr TProductName kProducts12[] = {
    {1, "TAPI_WAVE"},
};

// 13 Hewlett-Packard Company
constexpr TProductName kProducts13[] = {
    {1, "CU_CODEC"},
};

// 16 Mitel Corporation
constexpr TProductName kProducts16[] = {
    {100, "TALKTO_LINE_WAVEOUT   "},
    {101, "TALKTO_LINE_WAVEIN    "},
    {102, "TALKTO_HANDSET_WAVEOUT"},
    {103, "TALKTO_HANDSET_WAVEIN "},
    {104, "TALKTO_BRIDGED_WAVEOUT"},
    {105, "TALKTO_BRIDGED_WAVEIN "},
    {200, "MPA_HANDSET_WAVEOUT   "},
    {201, "MPA_HANDSET_WAVEIN    "},
    {202, "MPA_HANDSFREE_WAVEOUT "},
    {203, "MPA_HANDSFREE_WAVEIN  "},
    {204, "MPA_LINE1_WAVEOUT     "},
    {205, "MPA_LINE1_WAVEIN      "},
    {206, "MPA_LINE2_WAVEOUT     "},
    {207, "MPA_LINE2_WAVEIN      "},
    {300, "MEDIAPATH_WAVEOUT     "},
    {301, "MEDIAPATH_WAVEIN      "},
};

// 18 Siemens-Nixdorf
constexpr TProductName kProducts18[] = {
    {1, "ACM_G721"},
};

// 19 E-mu Systems, Inc.
constexpr TProductName kProducts19[] = {
    {1, "APSSYNTH  "},
    {2, "APSMIDIIN "},
    {3, "APSMIDIOUT"},
    {4, "APSWAVEIN "},
    {5, "APSWAVEOUT"},
};

// 20 Artisoft, Inc.
constexpr TProductName kProducts20[] = {
    {1, "Artisoft sounding Board waveform input"},
    {2, "Artisoft sounding Board waveform output"},
};

// 21 Turtle Beach, Inc.
constexpr TProductName kProducts21[] = {
    {37, "TROPEZ_WAVEIN "},
    {38, "TROPEZ_WAVEOUT"},
    {39, "TROPEZ_AUX1   "},
    {40, "TROPEZ_AUX2   "},
    {41, "TROPEZ_LINE   "},
};

// 22 IBM Corporation
constexpr TProductName kProducts22[] = {
    {1, "IBM M-Motion Auxiliary Device"},
    {2, "IBM M-Motion Waveform output"},
    {3, "IBM M-Motion  Waveform Input"},
    {11, "IBM waveform input"},
    {12, "IBM Waveform output"},
    {13, "IBM Midi Synthesis"},
    {14, "IBM external MIDI in"},
    {15, "IBM external MIDI out"},
    {16, "IBM auxiliary control"},
    {17, "THINKPAD200  "},
    {18, "MWAVE_WAVEIN "},
    {19, "MWAVE_WAVEOUT"},
    {20, "MWAVE_MIXER  "},
    {21, "MWAVE_MIDIIN "},
    {22, "MWAVE_MIDIOUT"},
    {23, "MWAVE_AUX    "},
    {30, "WC_MIDIOUT   "},
    {31, "WC_WAVEOUT   "},
    {33, "WC_MIXEROUT  "},
};

// 23 Vocaltec Ltd.
constexpr TProductName kProducts23[] = {
    {1, "WAVEOUT"},
    {2, "WAVEIN "},
};

// 24 Roland
constexpr TProductName kProducts24[] = {
    {10, "MM_ROLAND_RAP10"},
    {11, "MM_ROLAND_RAP10"},
    {12, "MM_ROLAND_RAP10"},
    {13, "MM_ROLAND_RAP10"},
    {14, "MM_ROLAND_RAP10"},
    {15, "MPU401_MIDIOUT"},
    {16, "MPU401_MIDIIN "},
    {17, "SMPU_MIDIOUTA "},
    {18, "SMPU_MIDIOUTB "},
    {19, "SMPU_MIDIINA  "},
    {20, "SMPU_MIDIINB  "},
    {21, "SC7_MIDIOUT   "},
    {22, "SC7_MIDIIN    "},
    {23, "SERIAL_MIDIOUT"},
    {24, "SERIAL_MIDIIN "},
    {38, "SCP_MIDIOUT   "},
    {39, "SCP_MIDIIN    "},
    {40, "SCP_WAVEOUT   "},
    {41, "SCP_WAVEIN    "},
    {42, "SCP_MIXER     "},
    {48, "SCP_AUX       "},
};

// 25 DSP Solutions, Inc.
constexpr TProductName kProducts25[] = {
    {1, "WAVEOUT"},
    {2, "WAVEIN "},
    {3, "SYNTH  "},
    {4, "AUX    "},
};

// 26 NEC
constexpr TProductName kProducts26[] = {
    {5, "73_86_SYNTH   "},
    {6, "73_86_WAVEOUT "},
    {7, "73_86_WAVEIN  "},
    {9, "26_SYNTH      "},
    {10, "MPU401_MIDIOUT"},
    {11, "MPU401_MIDIIN "},
    {12, "JOYSTICK      "},
};

// 28 Wang Laboratories, Inc.
constexpr TProductName kProducts28[] = {
    {1, "Input audio wave on CPU board models: Exec 4010, 4030, 3450; PC 251/25c, pc 461/25s , pc 461/33c"},
    {2, "WAVEOUT1"},
};

// 29 Tandy Corporation
constexpr TProductName kProducts29[] = {
    {1, "VISWAVEIN      "},
    {2, "VISWAVEOUT     "},
    {3, "VISBIOSSYNTH   "},
    {4, "SENS_MMAWAVEIN "},
    {5, "SENS_MMAWAVEOUT"},
    {6, "SENS_MMAMIDIIN "},
    {7, "SENS_MMAMIDIOUT"},
    {8, "SENS_VISWAVEOUT"},
    {9, "PSSJWAVEIN     "},
    {10, "PSSJWAVEOUT    "},
};

// 31 Antex Electronics Corporation
constexpr TProductName kProducts31[] = {
    {1, "SX12_WAVEIN         "},
    {2, "SX12_WAVEOUT        "},
    {3, "SX15_WAVEIN         "},
    {4, "SX15_WAVEOUT        "},
    {5, "VP625_WAVEIN        "},
    {6, "VP625_WAVEOUT       "},
    {7, "AUDIOPORT22_WAVEIN  "},
    {8, "AUDIOPORT22_WAVEOUT "},
    {9, "AUDIOPORT22_FEEDTHRU"},
};

// 33 Intel Corporation
constexpr TProductName kProducts33[] = {
    {1, "HID2 WaveAudio Driver"},
    {101, "HID2"},
    {401, "HID2 for mixing"},
    {501, "NSPMODEMLINEIN "},
    {502, "NSPMODEMLINEOUT"},
};

// 35 Video Associates Labs, Inc.
constexpr TProductName kProducts35[] = {
    {1, "MICROKEY_AP_WAVEIN "},
    {2, "MICROKEY_AP_WAVEOUT"},
};

// 36 InterActive Inc.
constexpr TProductName kProducts36[] = {
    {69, "WAVEIN/OUT"},
};

// 37 Yamaha Corporation of America
constexpr TProductName kProducts37[] = {
    {1, "GSS_SYNTH        "},
    {2, "GSS_WAVEOUT      "},
    {3, "GSS_WAVEIN       "},
    {4, "GSS_MIDIOUT      "},
    {5, "GSS_MIDIIN       "},
    {6, "GSS_AUX          "},
    {7, "SERIAL_MIDIOUT   "},
    {8, "SERIAL_MIDIIN    "},
    {16, "OPL3SA_WAVEOUT   "},
    {17, "OPL3SA_WAVEIN    "},
    {18, "OPL3SA_FMSYNTH   "},
    {19, "OPL3SA_YSYNTH    "},
    {20, "OPL3SA_MIDIOUT   "},
    {21, "OPL3SA_MIDIIN    "},
    {23, "OPL3SA_MIXER     "},
    {24, "OPL3SA_JOYSTICK  "},
    {25, "YMF724LEG_MIDIOUT"},
    {26, "YMF724LEG_MIDIIN "},
    {27, "YMF724_WAVEOUT   "},
    {28, "YMF724_WAVEIN    "},
    {29, "YMF724_MIDIOUT   "},
    {30, "YMF724_AUX       "},
    {31, "YMF724_MIXER     "},
    {32, "YMF724LEG_FMSYNTH"},
    {33, "YMF724LEG_MIXER  "},
    {34, "SXG_MIDIOUT      "},
    {35, "SXG_WAVEOUT      "},
    {36, "SXG_MIXER        "},
    {37, "ACXG_WAVEIN      "},
    {38, "ACXG_WAVEOUT     "},
    {39, "ACXG_MIDIOUT     "},
    {40, "ACXG_MIXER       "},
    {41, "ACXG_AUX         "},
};

// 38 Everex Systems, Inc.
constexpr TProductName kProducts38[] = {
    {1, "CARRIER"},
};

// 39 Echo Speech Corporation
constexpr TProductName kProducts39[] = {
    {1, "SYNTH  "},
    {2, "WAVEOUT"},
    {3, "WAVEIN "},
    {4, "MIDIOUT"},
    {5, "MIDIIN "},
    {6, "AUX    "},
};

// 40 Sierra Semiconductor Corp
constexpr TProductName kProducts40[] = {
    {20, "ARIA_MIDIOUT     "},
    {21, "ARIA_MIDIIN      "},
    {22, "ARIA_SYNTH       "},
    {23, "ARIA_WAVEOUT     "},
    {24, "ARIA_WAVEIN      "},
    {25, "ARIA_AUX         "},
    {32, "ARIA_AUX2        "},
    {80, "QUARTET_WAVEIN   "},
    {81, "QUARTET_WAVEOUT  "},
    {82, "QUARTET_MIDIIN   "},
    {83, "QUARTET_MIDIOUT  "},
    {84, "QUARTET_SYNTH    "},
    {85, "QUARTET_AUX_CD   "},
    {86, "QUARTET_AUX_LINE "},
    {87, "QUARTET_AUX_MODEM"},
    {88, "QUARTET_MIXER    "},
};

// 41 Computer Aided Technologies
constexpr TProductName kProducts41[] = {
    {1, "WAVEOUT"},
};

// 43 DSP Group, Inc.
constexpr TProductName kProducts43[] = {
    {1, "GROUP_TRUESPEECH"},
};

// 44 microEngineering Labs
constexpr TProductName kProducts44[] = {
    {1, "MIDI2GO"},
};

// 46 ESS Technology
constexpr TProductName kProducts46[] = {
    {1, "AMWAVEOUT     "},
    {2, "AMWAVEIN      "},
    {3, "AMAUX         "},
    {4, "AMSYNTH       "},
    {5, "AMMIDIOUT     "},
    {6, "AMMIDIIN      "},
    {7, "MIXER         "},
    {8, "AUX_CD        "},
    {9, "MPU401_MIDIOUT"},
    {10, "MPU401_MIDIIN"},
    {16, "ES488_WAVEOUT "},
    {17, "ES488_WAVEIN  "},
    {18, "ES488_MIXER   "},
    {19, "ES688_WAVEOUT "},
    {20, "ES688_WAVEIN  "},
    {21, "ES688_MIXER   "},
    {22, "ES1488_WAVEOUT"},
    {23, "ES1488_WAVEIN "},
    {24, "ES1488_MIXER  "},
    {25, "ES1688_WAVEOUT"},
    {26, "ES1688_WAVEIN "},
    {27, "ES1688_MIXER  "},
    {28, "ES1788_WAVEOUT"},
    {29, "ES1788_WAVEIN "},
    {30, "ES1788_MIXER  "},
    {31, "ES1888_WAVEOUT"},
    {32, "ES1888_WAVEIN "},
    {33, "ES1888_MIXER  "},
    {34, "ES1868_WAVEOUT"},
    {35, "ES1868_WAVEIN "},
    {36, "ES1868_MIXER  "},
    {37, "ES1878_WAVEOUT"},
    {38, "ES1878_WAVEIN "},
    {39, "ES1878_MIXER  "},
};

// 49 Canopus, co., Ltd.
constexpr TProductName kProducts49[] = {
    {1, "ACM_DVREX"},
};

// 50 Seiko Epson Corporation
constexpr TProductName kProducts50[] = {
    {1, "FMSND"},
};

// 51 Truevision
constexpr TProductName kProducts51[] = {
    {1, "WAVEIN1 "},
    {2, "WAVEOUT1"},
};

// 52 Aztech Labs, Inc.
constexpr TProductName kProducts52[] = {
    {3, "MIDIOUT        "},
    {4, "MIDIIN         "},
    {17, "WAVEIN         "},
    {18, "WAVEOUT        "},
    {20, "FMSYNTH        "},
    {21, "MIXER          "},
    {33, "PRO16_WAVEIN   "},
    {34, "PRO16_WAVEOUT  "},
    {38, "PRO16_FMSYNTH  "},
    {65, "DSP16_WAVEIN   "},
    {66, "DSP16_WAVEOUT  "},
    {68, "DSP16_FMSYNTH  "},
    {70, "DSP16_WAVESYNTH"},
    {71, "NOVA16_WAVEIN  "},
    {72, "NOVA16_WAVEOUT "},
    {73, "NOVA16_MIXER   "},
    {74, "WASH16_WAVEIN  "},
    {75, "WASH16_WAVEOUT "},
    {76, "WASH16_MIXER   "},
    {401, "AUX_CD         "},
    {402, "AUX_LINE       "},
    {403, "AUX_MIC        "},
    {404, "AUX            "},
};

// 53 Videologic
constexpr TProductName kProducts53[] = {
    {1, "MSWAVEIN "},
    {2, "MSWAVEOUT"},
};

// 55 Korg Inc.
constexpr TProductName kProducts55[] = {
    {1, "PCIF_MIDIOUT    "},
    {2, "PCIF_MIDIIN     "},
    {3, "1212IO_MSWAVEIN "},
    {4, "1212IO_MSWAVEOUT"},
};

// 56 Audio Processing Technology
constexpr TProductName kProducts56[] = {
    {1, "ACE100CD"},
};

// 57 Integrated Circuit Systems, Inc.
constexpr TProductName kProducts57[] = {
    {1, "MS WSS compatible card and driver"},
    {2, "WAVEDECK_WAVEIN          "},
    {3, "WAVEDECK_MIXER           "},
    {4, "WAVEDECK_AUX             "},
    {5, "WAVEDECK_SYNTH           "},
    {6, "WAVEDEC_SB_WAVEOUT       "},
    {7, "WAVEDEC_SB_WAVEIN        "},
    {8, "WAVEDEC_SB_FM_MIDIOUT    "},
    {9, "WAVEDEC_SB_MPU401_MIDIOUT"},
    {10, "WAVEDEC_SB_MPU401_MIDIIN "},
    {11, "WAVEDEC_SB_MIXER         "},
    {12, "WAVEDEC_SB_AUX           "},
    {13, "2115_LITE_MIDIOUT        "},
    {14, "2120_LITE_MIDIOUT        "},
};

// 58 Iterated Systems, Inc.
constexpr TProductName kProducts58[] = {
    {1, "FUFCODEC"},
};

// 59 Metheus
constexpr TProductName kProducts59[] = {
    {1, "ZIPPER"},
};

// 61 Winnov, Inc.
constexpr TProductName kProducts61[] = {
    {1, "CAVIAR_WAVEIN "},
    {2, "CAVIAR_WAVEOUT"},
    {3, "CAVIAR_VIDC   "},
    {4, "Fourcc is CHAM"},
    {5, "Fourcc is YUV8"},
};

// 62 NCR Corporation
constexpr TProductName kProducts62[] = {
    {1, "BA_WAVEIN "},
    {2, "BA_WAVEOUT"},
    {3, "BA_SYNTH  "},
    {4, "BA_AUX    "},
    {5, "BA_MIXER  "},
};

// 64 AST Research Inc.
constexpr TProductName kProducts64[] = {
    {13, "MODEMWAVE_WAVEIN "},
    {14, "MODEMWAVE_WAVEOUT"},
};

// 65 Willow Pond Corporation
constexpr TProductName kProducts65[] = {
    {20, "FMSYNTH_STEREO "},
    {21, "MPU401         "},
    {100, "SNDPORT_WAVEIN "},
    {101, "SNDPORT_WAVEOUT"},
    {102, "SNDPORT_MIXER  "},
    {103, "SNDPORT_AUX    "},
    {104, "PH_WAVEIN      "},
    {105, "PH_WAVEOUT     "},
    {106, "PH_MIXER       "},
    {107, "PH_AUX         "},
    {108, "SNDCOMM_WAVEIN"},
    {109, "SNDCOMM_WAVEOUT"},
    {110, "SNDCOMM_MIXER  "},
    {111, "SNDCOMM_AUX    "},
    {112, "GENERIC_WAVEIN "},
    {113, "GENERIC_WAVEOUT"},
    {114, "GENERIC_MIXER  "},
    {115, "GENERIC_AUX    "},
};

// 67 Vitec Multimedia
constexpr TProductName kProducts67[] = {
    {1, "VMAKER"},
    {2, "VMPRO "},
};

// 68 MOSCOM Corporation
constexpr TProductName kProducts68[] = {
    {1, "Four Port Voice Processing / Voice Recognition Board"},
    {2, "VPC2400"},
};

// 69 Silicon Soft, Inc.
constexpr TProductName kProducts69[] = {
    {1, "Waveform in , high sample rate"},
    {2, "Waveform out , high sample rate"},
    {3, "Waveform in 2 channels, high sample rate"},
    {4, "Waveform out 2 channels, high sample rate"},
    {5, "Waveform out, self powered, efficient"},
    {6, "Waveform in, self powered, efficient"},
    {7, "Waveform out 2 channels, self powered, efficient"},
    {8, "Waveform in 2 channels, self powered, efficient"},
};

// 70 TerraTec Electronic GmbH
constexpr TProductName kProducts70[] = {
    {1, "WAVEIN     "},
    {2, "WAVEOUT    "},
    {3, "MIDIIN     "},
    {4, "MIDIOUT    "},
    {5, "MIDISYNTH  "},
    {6, "MIDIMONITOR"},
    {7, "VMIDIIN    "},
    {8, "VMIDIOUT   "},
    {9, "AUX        "},
    {10, "MIXER      "},
};

// 71 MediaSonic Ltd.
constexpr TProductName kProducts71[] = {
    {1, "ACM_G723"},
    {2, "ICOM    "},
    {3, "ICOM_WAVEIN "},
    {4, "ICOM_WAVEOUT"},
    {5, "ICOM_MIXER  "},
    {6, "ICOM_AUX    "},
    {7, "ICOM_LINE   "},
};

// 72 SANYO Electric Co., Ltd.
constexpr TProductName kProducts72[] = {
    {1, "ACM_LD_ADPCM"},
};

// 77 Ahead, Inc.
constexpr TProductName kProducts77[] = {
    {1, "MULTISOUND  "},
    {2, "SOUNDBLASTER"},
    {3, "PROAUDIO    "},
    {4, "GENERIC     "},
};

// 81 Ing C. Olivetti & C., S.p.A.
constexpr TProductName kProducts81[] = {
    {1, "WAVEIN   "},
    {2, "WAVEOUT  "},
    {3, "MIXER    "},
    {4, "AUX      "},
    {5, "MIDIIN   "},
    {6, "MIDIOUT  "},
    {7, "SYNTH    "},
    {8, "JOYSTICK "},
    {9, "ACM_GSM  "},
    {10, "ACM_ADPCM"},
    {11, "ACM_CELP "},
    {12, "ACM_SBC  "},
    {13, "ACM_OPR  "},
};

// 82 I/O Magic Corporation
constexpr TProductName kProducts82[] = {
    {1, "TEMPO_WAVEOUT"},
    {2, "TEMPO_WAVEIN "},
    {3, "TEMPO_SYNTH  "},
    {4, "TEMPO_MIDIOUT"},
    {5, "TEMPO_MXDOUT "},
    {6, "TEMPO_AUXOUT "},
};

// 83 Matsushita Electric Industrial Co., Ltd.
constexpr TProductName kProducts83[] = {
    {1, "WAVEIN        "},
    {2, "WAVEOUT       "},
    {3, "FMSYNTH_STEREO"},
    {4, "MIXER         "},
    {5, "AUX           "},
};

// 86 New Media Corporation
constexpr TProductName kProducts86[] = {
    {1, "WSS Compatible sound card."},
};

// 88 Lyrrus Inc.
constexpr TProductName kProducts88[] = {
    {1, "BRIDGE_GUITAR"},
};

// 90 OPTi Computers Inc.
constexpr TProductName kProducts90[] = {
    {1, "M16_FMSYNTH_STEREO"},
    {2, "M16_MIDIIN        "},
    {3, "M16_MIDIOUT       "},
    {4, "M16_WAVEIN        "},
    {5, "M16_WAVEOUT       "},
    {6, "M16_MIXER         "},
    {7, "M16_AUX           "},
    {16, "P16_FMSYNTH_STEREO"},
    {17, "P16_MIDIIN        "},
    {18, "P16_MIDIOUT       "},
    {19, "P16_WAVEIN        "},
    {20, "P16_WAVEOUT       "},
    {21, "P16_MIXER         "},
    {22, "P16_AUX           "},
    {32, "M32_WAVEIN        "},
    {33, "M32_WAVEOUT       "},
    {34, "M32_MIDIIN        "},
    {35, "M32_MIDIOUT       "},
    {36, "M32_SYNTH_STEREO  "},
    {37, "M32_MIXER         "},
    {38, "M32_AUX           "},
};

// 92 Compaq Computer Corp.
constexpr TProductName kProducts92[] = {
    {1, "BB_WAVEIN "},
    {2, "BB_WAVEOUT"},
    {3, "BB_WAVEAUX"},
};

// 95 M.P. Technologies, Inc.
constexpr TProductName kProducts95[] = {
    {1, "Sound Pallette"},
};

// 97 Lernout & Hauspie
constexpr TProductName kProducts97[] = {
    {1, "ANDHAUSPIE_LHCODECACM"},
};

// 100 Digital Equipment Corporation
constexpr TProductName kProducts100[] = {
    {1, "Digital Audio Video Compression Board"},
    {2, "Digital Audio Video Compression Board"},
    {3, "ACM_G723"},
    {4, "ICM_H263"},
    {5, "ICM_H261"},
};

// 101 Mark of the Unicorn
constexpr TProductName kProducts101[] = {
    {100, "MTP_MIDIOUT_ALL  "},
    {101, "MTP_MIDIIN/OUT_1     "},
    {102, "MTP_MIDIIN/OUT_2     "},
    {103, "MTP_MIDIIN/OUT_3     "},
    {104, "MTP_MIDIIN/OUT_4     "},
    {105, "MTP_MIDIIN/OUT_5     "},
    {106, "MTP_MIDIIN/OUT_6     "},
    {107, "MTP_MIDIIN/OUT_7     "},
    {108, "MTP_MIDIIN/OUT_8     "},
    {200, "MTPII_MIDIOUT_ALL/IN_SYNC"},
    {201, "MTPII_MIDIIN/OUT_1   "},
    {202, "MTPII_MIDIIN/OUT_2   "},
    {203, "MTPII_MIDIIN/OUT_3     "},
    {204, "MTPII_MIDIIN/OUT_4     "},
    {205, "MTPII_MIDIIN/OUT_5     "},
    {206, "MTPII_MIDIIN/OUT_6     "},
    {207, "MTPII_MIDIIN/OUT_7     "},
    {208, "MTPII_MIDIIN/OUT_8     "},
    {209, "MTPII_NET_MIDIIN/OUT_1 "},
    {210, "MTPII_NET_MIDIIN/OUT_2 "},
    {211, "MTPII_NET_MIDIIN/OUT_3 "},
    {212, "MTPII_NET_MIDIIN/OUT_4 "},
    {213, "MTPII_NET_MIDIIN/OUT_5 "},
    {214, "MTPII_NET_MIDIIN/OUT_6 "},
    {215, "MTPII_NET_MIDIIN/OUT_7 "},
    {216, "MTPII_NET_MIDIIN/OUT_8 "},
    {300, "MXP_MIDIIN_MIDIOUT_ALL/SYNC"},
    {301, "MXP_MIDIIN_MIDIIN/OUT_1   "},
    {302, "MXP_MIDIIN_MIDIIN/OUT_2   "},
    {303, "MXP_MIDIIN_MIDIIN/OUT_3   "},
    {304, "MXP_MIDIIN_MIDIIN/OUT_4   "},
    {305, "MXP_MIDIIN_MIDIIN/OUT_5   "},
    {306, "MXP_MIDIIN_MIDIIN/OUT_6   "},
    {400, "MXPMPU_MIDIOUT_ALL/IN_SYNC"},
    {401, "MXPMPU_MIDIIN_1   "},
    {402, "MXPMPU_MIDIIN_2   "},
    {403, "MXPMPU_MIDIIN_3   "},
    {404, "MXPMPU_MIDIIN_4   "},
    {405, "MXPMPU_MIDIIN_5   "},
    {406, "MXPMPU_MIDIIN_6   "},
    {500, "MXN_MIDIOUT_ALL/IN_SYNC"},
    {501, "MXN_MIDIIN_1      "},
    {502, "MXN_MIDIIN_2      "},
    {503, "MXN_MIDIIN_3      "},
    {504, "MXN_MIDIIN_4      "},
    {600, "FLYER_MIDI_IN_SYNC"},
    {601, "FLYER_MIDI_IN_A   "},
    {602, "FLYER_MIDI_IN_B   "},
    {700, "PKX_MIDI_IN_SYNC  "},
    {701, "PKX_MIDI_IN_A     "},
    {702, "PKX_MIDI_IN_B     "},
    {800, "DTX_MIDI_IN_SYNC  "},
    {801, "DTX_MIDI_IN_A     "},
    {802, "DTX_MIDI_IN_B     "},
    {900, "MTPAV_MIDIOUT_ALL/IN_SYNC"},
    {901, "MTPAV_MIDIIN_1    "},
    {902, "MTPAV_MIDIIN_2    "},
    {903, "MTPAV_MIDIIN_3    "},
    {904, "MTPAV_MIDIIN_4    "},
    {905, "MTPAV_MIDIIN_5    "},
    {906, "MTPAV_MIDIIN_6    "},
    {907, "MTPAV_MIDIIN_7    "},
    {908, "MTPAV_MIDIIN_8    "},
    {909, "MTPAV_NET_MIDIIN_1"},
    {910, "MTPAV_NET_MIDIIN_2 "},
    {911, "MTPAV_NET_MIDIIN_3 "},
    {912, "MTPAV_NET_MIDIIN_4 "},
    {913, "MTPAV_NET_MIDIIN_5 "},
    {914, "MTPAV_NET_MIDIIN_6 "},
    {915, "MTPAV_NET_MIDIIN_7 "},
    {916, "MTPAV_NET_MIDIIN_8 "},
    {917, "MTPAV_MIDIIN/OUT_ADAT  "},
    {1000, "MXPXT_MIDIIN_SYNC/OUT_ALL  "},
    {1001, "MXPXT_MIDIIN/OUT_1     "},
    {1002, "MXPXT_MIDIIN/OUT_2     "},
    {1003, "MXPXT_MIDIIN/OUT_3     "},
    {1004, "MXPXT_MIDIIN/OUT_4     "},
    {1005, "MXPXT_MIDIIN/OUT_5     "},
    {1006, "MXPXT_MIDIIN/OUT_6     "},
    {1007, "MXPXT_MIDIIN/OUT_7     "},
    {1008, "MXPXT_MIDIIN/OUT_8     "},
};

// 102 Workbit Corporation
constexpr TProductName kProducts102[] = {
    {1, "Harmony Mixer"},
    {2, "Harmony Mixer"},
    {3, "Harmony Mixer"},
    {4, "Harmony Mixer"},
    {5, "Harmony Mixer"},
    {6, "Harmony Mixer"},
    {7, "Harmony Mixer"},
    {8, "JOYSTICK"},
};

// 103 Ositech Communications Inc.
constexpr TProductName kProducts103[] = {
    {1, "Trumpcard"},
};

// 104 miro Computer Products AG
constexpr TProductName kProducts104[] = {
    {1, "miroMOVIE pro"},
    {2, "miroVIDEO D1"},
    {3, "miroVIDEO DC1 tv"},
    {4, "miroVIDEO 10/20 TD"},
    {5, "DC30_WAVEOUT"},
    {6, "DC30_WAVEIN "},
    {7, "DC30_MIX    "},
};

// 106 ISOLUTION  B.V.
constexpr TProductName kProducts106[] = {
    {1, "PASCAL"},
};

// 111 Rockwell International
constexpr TProductName kProducts111[] = {
    {1, "VOICEMIXER"},
    {100, "WA1_WAVEIN    "},
    {101, "WA1_WAVEOUT   "},
    {102, "WA1_SYNTH     "},
    {103, "WA1_MIXER     "},
    {104, "WA1_MPU401_IN "},
    {105, "WA1_MPU401_OUT"},
    {200, "WA2_WAVEIN    "},
    {201, "WA2_WAVEOUT   "},
    {202, "WA2_SYNTH     "},
    {203, "WA2_MIXER     "},
    {204, "WA2_MPU401_IN "},
    {205, "WA2_MPU401_OUT"},
};

// 114 Voxware Inc.
constexpr TProductName kProducts114[] = {
    {1, "CODEC"},
};

// 115 Northern Telecom Limited
constexpr TProductName kProducts115[] = {
    {1, "MPX Audio Card Wave Input Device"},
    {2, "MPX Audio Card Wave Output Device"},
};

// 118 ADDX
constexpr TProductName kProducts118[] = {
    {1, "MM_ADDX_PCTV_DIGITALMIX"},
    {2, "MM_ADDX_PCTV_WAVEIN"},
    {3, "MM_ADDX_PCTV_WAVEOUT"},
    {4, "MM_ADDX_PCTV_MIXER"},
    {5, "MM_ADDX_PCTV_AUX_CD"},
    {6, "MM_ADDX_PCTV_AUX_LINE"},
};

// 119 Wildcat Canyon Software
constexpr TProductName kProducts119[] = {
    {1, "Autoscore"},
};

// 120 Rhetorex Inc.
constexpr TProductName kProducts120[] = {
    {1, "WAVEIN "},
    {2, "WAVEOUT"},
};

// 121 Brooktree Corporation
constexpr TProductName kProducts121[] = {
    {1, "Brooktree PCM Wave Audio In"},
    {2, "Brooktree PCM Wave Audio Out"},
    {3, "Brooktree MIDI In"},
    {4, "Brooktree MIDI out"},
    {5, "Brooktree MIDI FM synth"},
    {6, "Brooktree Line Input"},
    {7, "Brooktree Microphone Input"},
    {8, "Brooktree CD Input"},
    {9, "Brooktree PCM Wave in with subcode information"},
    {10, "Brooktree PCM Wave out with subcode information"},
    {11, "Brooktree WaveStream"},
    {12, "Brooktree WSS Mixer driver"},
};

// 125 ENSONIQ Corporation
constexpr TProductName kProducts125[] = {
    {16, "ENSONIQ Soundscape"},
    {17, "SOUNDSCAPE_WAVEOUT    "},
    {18, "SOUNDSCAPE_WAVEOUT_AUX"},
    {19, "SOUNDSCAPE_WAVEIN     "},
    {20, "SOUNDSCAPE_MIDIOUT    "},
    {21, "SOUNDSCAPE_MIDIIN     "},
    {22, "SOUNDSCAPE_SYNTH      "},
    {23, "SOUNDSCAPE_MIXER      "},
    {24, "SOUNDSCAPE_AUX        "},
};

// 127 NVidia Corporation
constexpr TProductName kProducts127[] = {
    {1, "WAVEOUT "},
    {2, "WAVEIN  "},
    {3, "MIDIOUT "},
    {4, "MIDIIN  "},
    {5, "GAMEPORT"},
    {6, "MIXER   "},
    {7, "AUX     "},
};

// 128 OKSORI Co., Ltd.
constexpr TProductName kProducts128[] = {
    {0, "Oksori Base"},
    {1, "Oksori 8bit Wave out"},
    {2, "Oksori 8bit Wave in"},
    {3, "Oksori 16 bit Wave out"},
    {4, "Oksori 16 bit Wave in"},
    {5, "Oksori FM Synth Yamaha OPL4"},
    {6, "Oksori DSP Mixer - Master Volume"},
    {7, "Oksori DSP Mixer - Wave Volume"},
    {8, "Oksori DSP Mixer - FM Volume"},
    {9, "Oksori DSP Mixer - Line Volume"},
    {10, "Oksori DSP Mixer - CD Volume"},
    {11, "Oksori DSP Mixer - MIC Volume"},
    {12, "Oksori DSP Mixer - Echo Volume"},
    {13, "Oksori AD1848 - AUX1 Volume"},
    {14, "Oksori AD1848 - LINE1 Volume"},
    {15, "Oksori External - One Mic Connect"},
    {16, "Oksori External - Two Mic Connect"},
    {17, "Oksori MIDI Out Device"},
    {18, "Oksori MIDI In Device"},
    {19, "Oksori CD-Vision MPEG Decoder"},
};

// 129 DiAcoustics, Inc.
constexpr TProductName kProducts129[] = {
    {1, "Drum Action"},
};

// 131 Kay Elemetrics, Inc.
constexpr TProductName kProducts131[] = {
    {17152, "CSL         "},
    {17160, "CSL_DAT     "},
    {17161, "CSL_4CHANNEL"},
};

// 132 Crystal Semiconductor Corporation
constexpr TProductName kProducts132[] = {
    {1, "CS4232_WAVEIN        "},
    {2, "CS4232_WAVEOUT       "},
    {3, "CS4232_WAVEMIXER     "},
    {4, "CS4232_WAVEAUX_AUX1  "},
    {5, "CS4232_WAVEAUX_AUX2  "},
    {6, "CS4232_WAVEAUX_LINE  "},
    {7, "CS4232_WAVEAUX_MONO  "},
    {8, "CS4232_WAVEAUX_MASTER"},
    {9, "CS4232_MIDIIN        "},
    {10, "CS4232_MIDIOUT       "},
    {13, "CS4232_INPUTGAIN_AUX1"},
    {14, "CS4232_INPUTGAIN_LOOP"},
    {21, "SOUND_FUSION_WAVEIN  "},
    {22, "SOUND_FUSION_WAVEOUT "},
    {23, "SOUND_FUSION_MIXER   "},
    {24, "SOUND_FUSION_MIDIIN  "},
    {25, "SOUND_FUSION_MIDIOUT "},
    {26, "SOUND_FUSION_JOYSTICK"},
};

// 134 Quarterdeck Corporation
constexpr TProductName kProducts134[] = {
    {0, "Quarterdeck L&H Codec Wave In"},
    {1, "Quarterdeck L&H Codec Wave Out"},
};

// 135 TDK Corporation
constexpr TProductName kProducts135[] = {
    {1, "MW_MIDI_SYNTH  "},
    {2, "MW_MIDI_IN     "},
    {3, "MW_MIDI_OUT    "},
    {4, "MW_WAVE_IN     "},
    {5, "MW_WAVE_OUT    "},
    {6, "MW_AUX         "},
    {10, "MW_MIXER       "},
    {100, "MW_AUX_MASTER  "},
    {101, "MW_AUX_BASS    "},
    {102, "MW_AUX_TREBLE  "},
    {103, "MW_AUX_MIDI_VOL"},
    {104, "MW_AUX_WAVE_VOL"},
    {105, "MW_AUX_WAVE_RVB"},
    {106, "MW_AUX_WAVE_CHR"},
    {107, "MW_AUX_VOL     "},
    {108, "MW_AUX_RVB     "},
    {109, "MW_AUX_CHR     "},
};

// 136 Digital Audio Labs, Inc.
constexpr TProductName kProducts136[] = {
    {1, "AUDIO_LABS_TC   "},
    {2, "AUDIO_LABS_DOC  "},
    {16, "AUDIO_LABS_V8   "},
    {17, "AUDIO_LABS_CPRO "},
    {18, "AUDIO_LABS_VP   "},
    {19, "AUDIO_LABS_CDLX "},
    {20, "AUDIO_LABS_CTDIF"},
};

// 137 Seer Systems, Inc.
constexpr TProductName kProducts137[] = {
    {1, "SEERSYNTH   "},
    {2, "SEERWAVE    "},
    {3, "SEERMIX     "},
    {4, "WAVESYNTH   "},
    {5, "WAVESYNTH_WG"},
    {6, "REALITY     "},
};

// 140 Osprey Technologies, Inc.
constexpr TProductName kProducts140[] = {
    {1, "1000WAVEIN "},
    {2, "1000WAVEOUT"},
};

// 142 SounDesignS M.C.S. Ltd.
constexpr TProductName kProducts142[] = {
    {1, "WAVEIN "},
    {2, "WAVEOUT"},
};

// 144 Spectrum Signal Processing, Inc.
constexpr TProductName kProducts144[] = {
    {1, "Sound Festa Wave In Device"},
    {2, "Sound Festa Wave Out Device"},
    {3, "Sound Festa MIDI In Device"},
    {4, "Sound Festa MIDI Out Device"},
    {5, "Sound Festa MIDI Synth Device"},
    {6, "Sound Festa Mixer Device"},
    {7, "Sound Festa Auxilliary Device"},
};

// 145 Electronic Courseware Systems, Inc.
constexpr TProductName kProducts145[] = {
    {10, "AADF_MIDI_IN     "},
    {11, "AADF_MIDI_OUT    "},
    {12, "AADF_WAVE2MIDI_IN"},
};

// 146 AMD
constexpr TProductName kProducts146[] = {
    {1, "INTERWAVE_WAVEIN         "},
    {2, "INTERWAVE_WAVEOUT        "},
    {3, "INTERWAVE_SYNTH          "},
    {4, "INTERWAVE_MIXER1         "},
    {5, "INTERWAVE_MIXER2         "},
    {6, "INTERWAVE_JOYSTICK       "},
    {7, "INTERWAVE_EX_CD          "},
    {8, "INTERWAVE_MIDIIN         "},
    {9, "INTERWAVE_MIDIOUT        "},
    {10, "INTERWAVE_AUX1           "},
    {11, "INTERWAVE_AUX2           "},
    {12, "INTERWAVE_AUX_MIC        "},
    {13, "INTERWAVE_AUX_CD         "},
    {14, "INTERWAVE_MONO_IN        "},
    {15, "INTERWAVE_MONO_OUT       "},
    {16, "INTERWAVE_EX_TELEPHONY   "},
    {17, "INTERWAVE_WAVEOUT_BASE   "},
    {18, "INTERWAVE_WAVEOUT_TREBLE "},
    {19, "INTERWAVE_STEREO_ENHANCED"},
};

// 147 Core Dynamics
constexpr TProductName kProducts147[] = {
    {1, "DynaMax Hi-Rez"},
    {2, "DynaSonix"},
    {3, "DYNASONIX_MIDI_IN  "},
    {4, "DYNASONIX_MIDI_OUT "},
    {5, "DYNASONIX_WAVE_IN  "},
    {6, "DYNASONIX_WAVE_OUT "},
    {7, "DYNASONIX_AUDIO_IN "},
    {8, "DYNASONIX_AUDIO_OUT"},
    {9, "DynaGrfx"},
    {10, "DYNAGRAFX_WAVE_IN "},
    {11, "DYNAGRAFX_WAVE_OUT"},
};

// 148 CANAM Computers
constexpr TProductName kProducts148[] = {
    {1, "CBXWAVEOUT"},
    {2, "CBXWAVEIN "},
};

// 149 Softsound, Ltd.
constexpr TProductName kProducts149[] = {
    {1, "CODEC"},
};

// 150 Norris Communications, Inc.
constexpr TProductName kProducts150[] = {
    {1, "VOICELINK"},
};

// 151 Danka Data Devices
constexpr TProductName kProducts151[] = {
    {1, "MIDILINK_MIDIIN "},
    {2, "MIDILINK_MIDIOUT"},
};

// 152 EuPhonics
constexpr TProductName kProducts152[] = {
    {1, "AUX_CD        "},
    {2, "AUX_LINE      "},
    {3, "AUX_MASTER    "},
    {4, "AUX_MIC       "},
    {5, "AUX_MIDI      "},
    {6, "AUX_WAVE      "},
    {7, "FMSYNTH_MONO  "},
    {8, "FMSYNTH_STEREO"},
    {9, "MIDIIN        "},
    {10, "MIDIOUT       "},
    {11, "MIXER         "},
    {12, "WAVEIN        "},
    {13, "WAVEOUT       "},
    {14, "EUSYNTH       "},
};

// 154 Crystal Net Corporation
constexpr TProductName kProducts154[] = {
    {1, "SFM_CODEC"},
};

// 155 Chromatic Research, Inc.
constexpr TProductName kProducts155[] = {
    {1, "M1            "},
    {2, "M1_WAVEIN     "},
    {3, "M1_WAVEOUT    "},
    {4, "M1_FMSYNTH    "},
    {5, "M1_MIXER      "},
    {6, "M1_AUX        "},
    {7, "M1_AUX_CD     "},
    {8, "M1_MIDIIN     "},
    {9, "M1_MIDIOUT    "},
    {16, "M1_WTSYNTH    "},
    {17, "M1_MPEGWAVEIN "},
    {18, "M1_MPEGWAVEOUT"},
    {19, "M2            "},
    {20, "M2_WAVEIN     "},
    {21, "M2_WAVEOUT    "},
    {22, "M2_FMSYNTH    "},
    {23, "M2_MIXER      "},
    {24, "M2_AUX        "},
    {25, "M2_AUX_CD     "},
    {32, "M2_MIDIIN     "},
    {33, "M2_MIDIOUT    "},
    {34, "M2_WTSYNTH    "},
    {35, "M2_MPEGWAVEIN "},
    {36, "M2_MPEGWAVEOUT"},
};

// 157 Vienna Systems
constexpr TProductName kProducts157[] = {
    {1, "TSP_WAVE_DRIVER"},
};

// 158 Connectix Corporation
constexpr TProductName kProducts158[] = {
    {1, "VIDEC_CODEC"},
};

// 159 Gadget Labs LLC
constexpr TProductName kProducts159[] = {
    {1, "WAVE44_WAVEIN "},
    {2, "WAVE44_WAVEOUT"},
    {3, "WAVE42_WAVEIN "},
    {4, "WAVE42_WAVEOUT"},
    {5, "WAVE4_MIDIIN  "},
    {6, "WAVE4_MIDIOUT "},
};

// 160 Frontier Design Group LLC
constexpr TProductName kProducts160[] = {
    {1, "WaveCenter"},
    {2, "WAVECENTER_MIDIOUT"},
    {3, "WAVECENTER_WAVEIN "},
    {4, "WAVECENTER_WAVEOUT"},
};

// 161 Viona Development GmbH
constexpr TProductName kProducts161[] = {
    {1, "Q-Motion PCI II/Bravado 2000"},
    {2, "QVINPCI_WAVEIN"},
    {3, "QVINPCI_WAVEOUT"},
    {4, "Buster"},
    {5, "Cinemaster"},
    {6, "Concerto"},
};

// 162 Casio Computer Co., LTD
constexpr TProductName kProducts162[] = {
    {1, "wp150"},
    {2, "WP150_MIDIIN"},
    {3, "LSG_MIDIOUT "},
};

// 163 Diamond Multimedia
constexpr TProductName kProducts163[] = {
    {0, "Freedom Audio"},
    {1, "DIRSOUND   "},
    {2, "VIRTMPU    "},
    {3, "VIRTSB     "},
    {4, "VIRTJOY    "},
    {5, "WAVEIN     "},
    {6, "WAVEOUT    "},
    {7, "MIDIIN     "},
    {8, "MIDIOUT    "},
    {9, "AUX_LINE   "},
    {10, "MIXER      "},
    {14, "WSS_WAVEIN "},
    {15, "WSS_WAVEOUT"},
    {17, "WSS_MIXER  "},
    {21, "WSS_AUX    "},
    {76, "WSS_SYNTH"},
};

// 164 S3
constexpr TProductName kProducts164[] = {
    {1, "WAVEOUT"},
    {2, "WAVEIN "},
    {3, "MIDIOUT"},
    {4, "MIDIIN "},
    {5, "FMSYNTH"},
    {6, "MIXER  "},
    {7, "AUX    "},
};

// 168 VanKoevering Company
constexpr TProductName kProducts168[] = {
    {256, "MPU401_MIDIIN "},
    {257, "SERIAL_MIDIIN "},
    {512, "MPU401_MIDIOUT"},
    {513, "SERIAL_MIDIOUT"},
};

// 170 Zefiro Acoustics
constexpr TProductName kProducts170[] = {
    {2, "ZA2"},
};

// 172 Fraunhofer IIS
constexpr TProductName kProducts172[] = {
    {10, "MPEGLAYER3"},
};

// 173 Quicknet Technologies
constexpr TProductName kProducts173[] = {
    {1, "PJWAVEIN "},
    {2, "PJWAVEOUT"},
};

// 175 SIC Resource Inc.
constexpr TProductName kProducts175[] = {
    {2, "SSO3D  "},
    {3, "SSOW3DI"},
};

// 176 NeoMagic Corporation
constexpr TProductName kProducts176[] = {
    {1, "SYNTH        "},
    {2, "WAVEOUT      "},
    {3, "WAVEIN       "},
    {4, "MIDIOUT      "},
    {5, "MIDIIN       "},
    {6, "AUX          "},
    {10, "MW3DX_WAVEOUT"},
    {11, "MW3DX_WAVEIN "},
    {12, "MW3DX_MIDIOUT"},
    {13, "MW3DX_MIDIIN "},
    {14, "MW3DX_FMSYNTH"},
    {15, "MW3DX_GMSYNTH"},
    {16, "MW3DX_MIXER  "},
    {17, "MW3DX_AUX    "},
    {20, "MWAVE_WAVEOUT"},
    {21, "MWAVE_WAVEIN "},
    {22, "MWAVE_MIDIOUT"},
    {23, "MWAVE_MIDIIN "},
    {24, "MWAVE_MIXER  "},
    {25, "MWAVE_AUX    "},
};

// 177 Merging Technologies S.A.
constexpr TProductName kProducts177[] = {
    {1, "MPEGL3"},
};

// 178 Xirlink, Inc.
constexpr TProductName kProducts178[] = {
    {1, "VISIONLINK"},
};

// 180 Oak Technology, Inc.
constexpr TProductName kProducts180[] = {
    {5, "611WAVEIN "},
    {6, "611WAVEOUT"},
    {7, "611MIXER  "},
    {18, "611MIDIN  "},
    {19, "611MIDIOUT"},
};

// 181 Aureal Semiconductor
constexpr TProductName kProducts181[] = {
    {16, "AU8820 "},
    {17, "SYNTH  "},
    {18, "WAVEOUT"},
    {19, "WAVEIN "},
    {20, "MIXER  "},
    {21, "AUX    "},
    {22, "MIDIOUT"},
    {23, "MIDIIN "},
    {32, "AU8830 "},
    {33, "SYNTH  "},
    {34, "WAVEOUT"},
    {35, "WAVEIN "},
    {36, "MIXER  "},
    {37, "AUX    "},
    {38, "MIDIOUT"},
    {39, "MIDIIN "},
};

// 182 Vivo Software
constexpr TProductName kProducts182[] = {
    {1, "AUDIO_CODEC"},
};

// 183 Sharp
constexpr TProductName kProducts183[] = {
    {1, "MDC_MIDI_SYNTH  "},
    {2, "MDC_MIDI_IN     "},
    {3, "MDC_MIDI_OUT    "},
    {4, "MDC_WAVE_IN     "},
    {5, "MDC_WAVE_OUT    "},
    {6, "MDC_AUX         "},
    {10, "MDC_MIXER       "},
    {100, "MDC_AUX_MASTER  "},
    {101, "MDC_AUX_BASS    "},
    {102, "MDC_AUX_TREBLE  "},
    {103, "MDC_AUX_MIDI_VOL"},
    {104, "MDC_AUX_WAVE_VOL"},
    {105, "MDC_AUX_WAVE_RVB"},
    {106, "MDC_AUX_WAVE_CHR"},
    {107, "MDC_AUX_VOL     "},
    {108, "MDC_AUX_RVB     "},
    {109, "MDC_AUX_CHR     "},
};

// 184 Lucent Technologies
constexpr TProductName kProducts184[] = {
    {0, "ACM_G723"},
};

// 185 AT&T Labs, Inc.
constexpr TProductName kProducts185[] = {
    {1, "G729A"},
};

// 190 Marian GbR Leipzig
constexpr TProductName kProducts190[] = {
    {1, "ARC44WAVEIN    "},
    {2, "ARC44WAVEOUT   "},
    {3, "PRODIF24WAVEIN "},
    {4, "PRODIF24WAVEOUT"},
    {5, "ARC88WAVEIN    "},
    {6, "ARC88WAVEOUT   "},
};

// 192 BCB Holdings Inc.
constexpr TProductName kProducts192[] = {
    {1, "NETBOARD_10"},
    {2, "TT75_10    "},
};

// 193 Motion Pixels
constexpr TProductName kProducts193[] = {
    {1, "MVI2"},
};

// 194 QDesign Corporation
constexpr TProductName kProducts194[] = {
    {1, "ACM_MPEG         "},
    {2, "ACM_QDESIGN_MUSIC"},
};

// 195 Nokia Mobile Phones
constexpr TProductName kProducts195[] = {
    {1, "CCP_WAVEIN "},
    {2, "CCP_WAVEOUT"},
    {10, "ACM_AMR    "},
};

// 196 DataFusion Systems (Pty) (Ltd)
constexpr TProductName kProducts196[] = {
    {1, "ACM_G726  "},
    {2, "ACM_GSM610"},
};

// 198 Future Technology Resources Pty Ltd
constexpr TProductName kProducts198[] = {
    {1, "ENCODER_WAVEIN"},
    {2, "ACM           "},
};

// 199 BERCOS GmbH
constexpr TProductName kProducts199[] = {
    {1, "WAVEIN "},
    {2, "MIXER  "},
    {3, "WAVEOUT"},
};

// 200 OnLive! Technologies, Inc.
constexpr TProductName kProducts200[] = {
    {1, "MPCODEC"},
};

// 203 PhoNet Communications Ltd.
constexpr TProductName kProducts203[] = {
    {1, "PP_WAVEOUT"},
    {2, "PP_WAVEIN "},
    {3, "PP_MIXER  "},
};

// 206 e-Net, Inc.
constexpr TProductName kProducts206[] = {
    {1, "LINEIN    "},
    {2, "LINEOUT   "},
    {3, "HANDSETIN "},
    {4, "HANDSETOUT"},
};

// 208 Emagic Soft- und Hardware GmbH
constexpr TProductName kProducts208[] = {
    {1, "UNITOR8"},
};

// 211 Sipro Lab Telecom Inc.
constexpr TProductName kProducts211[] = {
    {1, "ACELPNET"},
};

// 214 Dictaphone Corporation
constexpr TProductName kProducts214[] = {
    {1, "G726 ACM codec (g726pcm.acm)"},
};

// 216 Ring Zero Systems, Inc
constexpr TProductName kProducts216[] = {
    {1, "GSM 06.10 CODEC"},
};

// 219 EES Technik fuer Musik GmbH
constexpr TProductName kProducts219[] = {
    {1, "PCMIDI14     "},
    {2, "PCMIDI14_IN  "},
    {3, "PCMIDI14_OUT1"},
    {4, "PCMIDI14_OUT2"},
    {5, "PCMIDI14_OUT3"},
    {6, "PCMIDI14_OUT4"},
};

// 220 haftmann#software
constexpr TProductName kProducts220[] = {
    {1, "LPTDAC2"},
};

// 221 Lucid Technology, Symetrix Inc.
constexpr TProductName kProducts221[] = {
    {1, "PCI24WAVEIN "},
    {2, "PCI24WAVEOUT"},
};

// 222 Headspace, Inc
constexpr TProductName kProducts222[] = {
    {1, "HAESYNTH  "},
    {2, "HAEWAVEOUT"},
    {3, "HAEWAVEIN "},
    {4, "HAEMIXER  "},
};

// 223 UNISYS CORPORATION
constexpr TProductName kProducts223[] = {
    {1, "ACM_NAP"},
};

// 224 Luminositi, Inc.
constexpr TProductName kProducts224[] = {
    {1, "SCWAVEIN "},
    {2, "SCWAVEOUT"},
    {3, "SCWAVEMIX"},
};

// 225 ACTIVE VOICE CORPORATION
constexpr TProductName kProducts225[] = {
    {1, "ACM_VOXADPCM"},
};

// 226 Digital Theater Systems, Inc.
constexpr TProductName kProducts226[] = {
    {1, "DS"},
};

// 228 Softlab-Nsk
constexpr TProductName kProducts228[] = {
    {1, "FRW_WAVEIN "},
    {2, "FRW_WAVEOUT"},
    {3, "FRW_MIXER  "},
    {4, "FRW_AUX    "},
};

// 229 ForteMedia, Inc
constexpr TProductName kProducts229[] = {
    {1, "WAVEIN "},
    {2, "WAVEOUT"},
    {3, "FMSYNC "},
    {4, "MIXER  "},
    {5, "AUX    "},
};

// 230 Sonorus, Inc.
constexpr TProductName kProducts230[] = {
    {1, "STUDIO"},
};

// 233 I-link Worldwide
constexpr TProductName kProducts233[] = {
    {1, "VOICE_CODER"},
};

// 234 Selsius Systems Inc.
constexpr TProductName kProducts234[] = {
    {1, "RTPWAVEOUT"},
    {2, "RTPWAVEIN "},
};

// 235 AdMOS Technology, Inc.
constexpr TProductName kProducts235[] = {
    {1, "FM_SYNTH   "},
    {2, "QS3AMIDIOUT"},
    {3, "QS3AMIDIIN "},
    {4, "QS3AWAVEOUT"},
    {5, "QS3AWAVEIN "},
};

// 236 Lexicon Inc.
constexpr TProductName kProducts236[] = {
    {1, "STUDIO_WAVE_OUT"},
    {2, "STUDIO_WAVE_IN "},
};

// 237 Silicon Graphics Inc.
constexpr TProductName kProducts237[] = {
    {1, "320_WAVEIN "},
    {2, "320_WAVEOUT"},
    {3, "320_MIXER  "},
    {4, "540_WAVEIN "},
    {5, "540_WAVEOUT"},
    {6, "540_MIXER  "},
    {7, "RAD_ADATMONO1_WAVEIN"},
    {8, "RAD_ADATMONO2_WAVEIN"},
    {9, "RAD_ADATMONO3_WAVEIN"},
    {10, "RAD_ADATMONO4_WAVEIN"},
    {11, "RAD_ADATMONO5_WAVEIN"},
    {12, "RAD_ADATMONO6_WAVEIN"},
    {13, "RAD_ADATMONO7_WAVEIN"},
    {14, "RAD_ADATMONO8_WAVEIN"},
    {15, "RAD_ADATSTEREO12_WAVEIN"},
    {16, "RAD_ADATSTEREO34_WAVEIN"},
    {17, "RAD_ADATSTEREO56_WAVEIN"},
    {18, "RAD_ADATSTEREO78_WAVEIN"},
    {19, "RAD_ADAT8CHAN_WAVEIN "},
    {20, "RAD_ADATMONO1_WAVEOUT"},
    {21, "RAD_ADATMONO2_WAVEOUT"},
    {22, "RAD_ADATMONO3_WAVEOUT"},
    {23, "RAD_ADATMONO4_WAVEOUT"},
    {24, "RAD_ADATMONO5_WAVEOUT"},
    {25, "RAD_ADATMONO6_WAVEOUT"},
    {26, "RAD_ADATMONO7_WAVEOUT"},
    {27, "RAD_ADATMONO8_WAVEOUT"},
    {28, "RAD_ADATSTEREO12_WAVEOUT"},
    {29, "RAD_ADATSTEREO32_WAVEOUT"},
    {30, "RAD_ADATSTEREO56_WAVEOUT"},
    {31, "RAD_ADATSTEREO78_WAVEOUT"},
    {32, "RAD_ADAT8CHAN_WAVEOUT"},
    {33, "RAD_AESMONO1_WAVEIN  "},
    {34, "RAD_AESMONO2_WAVEIN  "},
    {35, "RAD_AESSTEREO_WAVEIN "},
    {36, "RAD_AESMONO1_WAVEOUT "},
    {37, "RAD_AESMONO2_WAVEOUT "},
    {38, "RAD_AESSTEREO_WAVEOUT"},
};

// 238 Interactive Product Inc.
constexpr TProductName kProducts238[] = {
    {1, "ACM_HSX   "},
    {2, "ACM_RPELP "},
    {3, "WF_ASSS   "},
    {4, "AT_WAVEOUT"},
    {5, "AT_WAVEIN "},
    {6, "AT_MIXER  "},
};

// 239 IC Ensemble, Inc.
constexpr TProductName kProducts239[] = {
    {1, "WAVEOUT  "},
    {2, "WAVEIN   "},
    {3, "MTWAVEOUT"},
    {4, "MTWAVEIN "},
    {5, "MIDIOUT1 "},
    {6, "MIDIIN1  "},
    {7, "MIDIOUT2 "},
    {8, "MIDIIN2  "},
    {9, "SYNTH    "},
    {10, "MIXER    "},
    {11, "AUX      "},
};

// 240 ViewQuest Technologies Inc.
constexpr TProductName kProducts240[] = {
    {1, "VQC1"},
    {2, "VQC2"},
};

// 241 eTEK Labs Inc.
constexpr TProductName kProducts241[] = {
    {1, "MIDIIN "},
    {2, "MIDIOUT"},
};

// 244 INTERNET Corporation
constexpr TProductName kProducts244[] = {
    {10, "SSW_MIDIOUT"},
    {11, "SSW_MIDIIN "},
    {12, "SSW_WAVEOUT"},
    {13, "SSW_WAVEIN "},
};

// 245 Sony Corporation
constexpr TProductName kProducts245[] = {
    {1, "ACM_SCX"},
};

// 247 UHER informatic GmbH
constexpr TProductName kProducts247[] = {
    {1, "ACM_ADPCM"},
};

// 248 Sydec NV
constexpr TProductName kProducts248[] = {
    {1, "WAVEIN "},
    {2, "WAVEOUT"},
};

// 249 Flexion Systems Ltd.
constexpr TProductName kProducts249[] = {
    {1, "X300_WAVEIN "},
    {2, "X300_WAVEOUT"},
};

// 250 Via Technologies, Inc.
constexpr TProductName kProducts250[] = {
    {1, "WAVEOUT           "},
    {2, "WAVEIN            "},
    {3, "MIXER             "},
    {4, "AUX               "},
    {5, "MPU401_MIDIOUT    "},
    {6, "MPU401_MIDIIN     "},
    {7, "SWFM_SYNTH        "},
    {8, "WDM_WAVEOUT       "},
    {9, "WDM_WAVEIN        "},
    {10, "WDM_MIXER         "},
    {11, "WDM_MPU401_MIDIOUT"},
    {12, "WDM_MPU401_MIDIIN "},
};

// 251 Micronas Semiconductors, Inc.
constexpr TProductName kProducts251[] = {
    {1, "SC4   "},
    {2, "CLP833"},
};

// 253 Hewlett Packard Company
constexpr TProductName kProducts253[] = {
    {1, ""},
    {2, ""},
};

// 255 Quick Audio, GbR
constexpr TProductName kProducts255[] = {
    {1, "MINIMIDI"},
    {2, "MAXIMIDI"},
};

// 259 ICCC A/S
constexpr TProductName kProducts259[] = {
    {1, "UNA3_WAVEIN "},
    {2, "UNA3_WAVEOUT"},
    {3, "UNA3_AUX    "},
    {4, "UNA3_MIXER  "},
};

// 260 3COM Corporation
constexpr TProductName kProducts260[] = {
    {1, "MIXER "},
    {2, "WAVEIN"},
    {3, "WAVEOU"},
};

// 263 Mindmaker, Inc.
constexpr TProductName kProducts263[] = {
    {1, "GC_WAVEIN "},
    {2, "GC_WAVEOUT"},
    {3, "GC_MIXER  "},
};

// 264 Telekol Corp.
constexpr TProductName kProducts264[] = {
    {1, "WAVEOUT"},
    {2, "WAVEIN "},
};

// 266 Algo Vision Systems GmbH
constexpr TProductName kProducts266[] = {
    {1, "VB80WAVEOUT"},
    {2, "VB80WAVEIN"},
    {3, "VB80MIXER"},
    {4, "VB80AUX"},
    {5, "VB80AUX2"},
};

constexpr TManufacturerName kManufacturers[] = {
    {1, "Microsoft Corporation", kProducts1},
    {2, "Creative Labs, Inc.", kProducts2},
    {3, "Media Vision, Inc.", kProducts3},
    {4, "Fujitsu Corp.", {}},
    {5, "PRAGMATRAX Software", {}},
    {6, "Cyrix Corporation", kProducts6},
    {7, "Philips Speech Processing", kProducts7},
    {8, "NetXL, Inc.", kProducts8},
    {9, "ZyXEL Communications, Inc.", kProducts9},
    {10, "BeCubed Software Inc.", {}},
    {11, "Aardvark Computer Systems, Inc.", kProducts11},
    {12, "Bin Tec Communications GmbH", kProducts12},
    {13, "Hewlett-Packard Company", kProducts13},
    {14, "Aculab plc", {}},
    {15, "Faith,Inc.", {}},
    {16, "Mitel Corporation", kProducts16},
    {17, "Quantum3D, Inc.", {}},
    {18, "Siemens-Nixdorf", kProducts18},
    {19, "E-mu Systems, Inc.", kProducts19},
    {20, "Artisoft, Inc.", kProducts20},
    {21, "Turtle Beach, Inc.", kProducts21},
    {22, "IBM Corporation", kProducts22},
    {23, "Vocaltec Ltd.", kProducts23},
    {24, "Roland", kProducts24},
    {25, "DSP Solutions, Inc.", kProducts25},
    {26, "NEC", kProducts26},
    {27, "ATI Technologies Inc.", {}},
    {28, "Wang Laboratories, Inc.", kProducts28},
    {29, "Tandy Corporation", kProducts29},
    {30, "Voyetra", {}},
    {31, "Antex Electronics Corporation", kProducts31},
    {32, "ICL Personal Systems", {}},
    {33, "Intel Corporation", kProducts33},
    {34, "Advanced Gravis", {}},
    {35, "Video Associates Labs, Inc.", kProducts35},
    {36, "InterActive Inc.", kProducts36},
    {37, "Yamaha Corporation of America", kProducts37},
    {38, "Everex Systems, Inc.", kProducts38},
    {39, "Echo Speech Corporation", kProducts39},
    {40, "Sierra Semiconductor Corp", kProducts40},
    {41, "Computer Aided Technologies", kProducts41},
    {42, "APPS Software International", {}},
    {43, "DSP Group, Inc.", kProducts43},
    {44, "microEngineering Labs", kProducts44},
    {45, "Computer Friends, Inc.", {}},
    {46, "ESS Technology", kProducts46},
    {47, "Audio, Inc.", {}},
    {48, "Motorola, Inc.", {}},
    {49, "Canopus, co., Ltd.", kProducts49},
    {50, "Seiko Epson Corporation", kProducts50},
    {51, "Truevision", kProducts51},
    {52, "Aztech Labs, Inc.", kProducts52},
    {53, "Videologic", kProducts53},
    {54, "SCALACS", {}},
    {55, "Korg Inc.", kProducts55},
    {56, "Audio Processing Technology", kProducts56},
    {57, "Integrated Circuit Systems, Inc.", kProducts57},
    {58, "Iterated Systems, Inc.", kProducts58},
    {59, "Metheus", kProducts59},
    {60, "Logitech, Inc.", {}},
    {61, "Winnov, Inc.", kProducts61},
    {62, "NCR Corporation", kProducts62},
    {63, "EXAN", {}},
    {64, "AST Research Inc.", kProducts64},
    {65, "Willow Pond Corporation", kProducts65},
    {66, "Sonic Foundry", {}},
    {67, "Vitec Multimedia", kProducts67},
    {68, "MOSCOM Corporation", kProducts68},
    {69, "Silicon Soft, Inc.", kProducts69},
    {70, "TerraTec Electronic GmbH", kProducts70},
    {71, "MediaSonic Ltd.", kProducts71},
    {72, "SANYO Electric Co., Ltd.", kProducts72},
    {73, "Supermac", {}},
    {74, "Audio Processing Technology", {}},
    {75, "NOGATECH Ltd.", {}},
    {76, "Speech Compression", {}},
    {77, "Ahead, Inc.", kProducts77},
    {78, "Dolby Laboratories", {}},
    {79, "OKI", {}},
    {80, "AuraVision Corporation", {}},
    {81, "Ing C. Olivetti & C., S.p.A.", kProducts81},
    {82, "I/O Magic Corporation", kProducts82},
    {83, "Matsushita Electric Industrial Co., Ltd.", kProducts83},
    {84, "Control Resources Limited", {}},
    {85, "Xebec Multimedia Solutions Limited", {}},
    {86, "New Media Corporation", kProducts86},
    {87, "Natural MicroSystems", {}},
    {88, "Lyrrus Inc.", kProducts88},
    {89, "Compusic", {}},
    {90, "OPTi Computers Inc.", kProducts90},
    {91, "Adlib Accessories Inc.", {}},
    {92, "Compaq Computer Corp.", kProducts92},
    {93, "Dialogic Corporation", {}},
    {94, "InSoft, Inc.", {}},
    {95, "M.P. Technologies, Inc.", kProducts95},
    {96, "Weitek", {}},
    {97, "Lernout & Hauspie", kProducts97},
    {98, "Quanta Computer Inc.", {}},
    {99, "Apple Computer, Inc.", {}},
    {100, "Digital Equipment Corporation", kProducts100},
    {101, "Mark of the Unicorn", kProducts101},
    {102, "Workbit Corporation", kProducts102},
    {103, "Ositech Communications Inc.", kProducts103},
    {104, "miro Computer Products AG", kProducts104},
    {105, "Cirrus Logic", {}},
    {106, "ISOLUTION  B.V.", kProducts106},
    {107, "Horizons Technology, Inc.", {}},
    {108, "Computer Concepts Ltd.", {}},
    {109, "Voice Technologies Group, Inc.", {}},
    {110, "Radius", {}},
    {111, "Rockwell International", kProducts111},
    {112, "Co. XYZ for testing", {}},
    {113, "Opcode Systems", {}},
    {114, "Voxware Inc.", kProducts114},
    {115, "Northern Telecom Limited", kProducts115},
    {116, "APICOM", {}},
    {117, "Grande Software", {}},
    {118, "ADDX", kProducts118},
    {119, "Wildcat Canyon Software", kProducts119},
    {120, "Rhetorex Inc.", kProducts120},
    {121, "Brooktree Corporation", kProducts121},
    {125, "ENSONIQ Corporation", kProducts125},
    {126, "FAST Multimedia AG", {}},
    {127, "NVidia Corporation", kProducts127},
    {128, "OKSORI Co., Ltd.", kProducts128},
    {129, "DiAcoustics, Inc.", kProducts129},
    {130, "Gulbransen, Inc.", {}},
    {131, "Kay Elemetrics, Inc.", kProducts131},
    {132, "Crystal Semiconductor Corporation", kProducts132},
    {133, "Splash Studios", {}},
    {134, "Quarterdeck Corporation", kProducts134},
    {135, "TDK Corporation", kProducts135},
    {136, "Digital Audio Labs, Inc.", kProducts136},
    {137, "Seer Systems, Inc.", kProducts137},
    {138, "PictureTel Corporation", {}},
    {139, "AT&T Microelectronics", {}},
    {140, "Osprey Technologies, Inc.", kProducts140},
    {141, "Mediatrix Peripherals", {}},
    {142, "SounDesignS M.C.S. Ltd.", kProducts142},
    {143, "A.L. Digital Ltd.", {}},
    {144, "Spectrum Signal Processing, Inc.", kProducts144},
    {145, "Electronic Courseware Systems, Inc.", kProducts145},
    {146, "AMD", kProducts146},
    {147, "Core Dynamics", kProducts147},
    {148, "CANAM Computers", kProducts148},
    {149, "Softsound, Ltd.", kProducts149},
    {150, "Norris Communications, Inc.", kProducts150},
    {151, "Danka Data Devices", kProducts151},
    {152, "EuPhonics", kProducts152},
    {153, "Precept Software, Inc.", {}},
    {154, "Crystal Net Corporation", kProducts154},
    {155, "Chromatic Research, Inc.", kProducts155},
    {156, "Voice Information Systems, Inc.", {}},
    {157, "Vienna Systems", kProducts157},
    {158, "Connectix Corporation", kProducts158},
    {159, "Gadget Labs LLC", kProducts159},
    {160, "Frontier Design Group LLC", kProducts160},
    {161, "Viona Development GmbH", kProducts161},
    {162, "Casio Computer Co., LTD", kProducts162},
    {163, "Diamond Multimedia", kProducts163},
    {164, "S3", kProducts164},
    {165, "D-Vision Systems, Inc.", {}},
    {166, "Netscape Communications", {}},
    {167, "Soundspace Audio", {}},
    {168, "VanKoevering Company", kProducts168},
    {169, "Q-Team", {}},
    {170, "Zefiro Acoustics", kProducts170},
    {171, "Studer Professional Audio AG", {}},
    {172, "Fraunhofer IIS", kProducts172},
    {173, "Quicknet Technologies", kProducts173},
    {174, "Alaris, Inc.", {}},
    {175, "SIC Resource Inc.", kProducts175},
    {176, "NeoMagic Corporation", kProducts176},
    {177, "Merging Technologies S.A.", kProducts177},
    {178, "Xirlink, Inc.", kProducts178},
    {179, "Colorgraph (UK) Ltd", {}},
    {180, "Oak Technology, Inc.", kProducts180},
    {181, "Aureal Semiconductor", kProducts181},
    {182, "Vivo Software", kProducts182},
    {183, "Sharp", kProducts183},
    {184, "Lucent Technologies", kProducts184},
    {185, "AT&T Labs, Inc.", kProducts185},
    {186, "Sun Communications, Inc.", {}},
    {187, "Sorenson Vision", {}},
    {188, "InVision Interactive", {}},
    {189, "Deutsche Telekom Berkom GmbH", {}},
    {190, "Marian GbR Leipzig", kProducts190},
    {191, "Digital Processing Systems, Inc.", {}},
    {192, "BCB Holdings Inc.", kProducts192},
    {193, "Motion Pixels", kProducts193},
    {194, "QDesign Corporation", kProducts194},
    {195, "Nokia Mobile Phones", kProducts195},
    {196, "DataFusion Systems (Pty) (Ltd)", kProducts196},
    {197, "The Duck Corporation", {}},
    {198, "Future Technology Resources Pty Ltd", kProducts198},
    {199, "BERCOS GmbH", kProducts199},
    {200, "OnLive! Technologies, Inc.", kProducts200},
    {201, "Siemens Business Communications Systems", {}},
    {202, "TeraLogic, Inc.", {}},
    {203, "PhoNet Communications Ltd.", kProducts203},
    {204, "Winbond Electronics Corp", {}},
    {205, "Virtual Music, Inc.", {}},
    {206, "e-Net, Inc.", kProducts206},
    {207, "Guillemot International", {}},
    {208, "Emagic Soft- und Hardware GmbH", kProducts208},
    {209, "MWM Acoustics LLC", {}},
    {210, "Pacific Research and Engineering Corporation", {}},
    {211, "Sipro Lab Telecom Inc.", kProducts211},
    {212, "Lynx Studio Technology, Inc.", {}},
    {213, "Spectrum Productions", {}},
    {214, "Dictaphone Corporation", kProducts214},
    {215, "QUALCOMM, Inc.", {}},
    {216, "Ring Zero Systems, Inc", kProducts216},
    {217, "AudioScience Inc.", {}},
    {218, "Pinnacle Systems, Inc.", {}},
    {219, "EES Technik fuer Musik GmbH", kProducts219},
    {220, "haftmann#software", kProducts220},
    {221, "Lucid Technology, Symetrix Inc.", kProducts221},
    {222, "Headspace, Inc", kProducts222},
    {223, "UNISYS CORPORATION", kProducts223},
    {224, "Luminositi, Inc.", kProducts224},
    {225, "ACTIVE VOICE CORPORATION", kProducts225},
    {226, "Digital Theater Systems, Inc.", kProducts226},
    {227, "DIGIGRAM", {}},
    {228, "Softlab-Nsk", kProducts228},
    {229, "ForteMedia, Inc", kProducts229},
    {230, "Sonorus, Inc.", kProducts230},
    {231, "Array Microsystems, Inc.", {}},
    {232, "Data Translation, Inc.", {}},
    {233, "I-link Worldwide", kProducts233},
    {234, "Selsius Systems Inc.", kProducts234},
    {235, "AdMOS Technology, Inc.", kProducts235},
    {236, "Lexicon Inc.", kProducts236},
    {237, "Silicon Graphics Inc.", kProducts237},
    {238, "Interactive Product Inc.", kProducts238},
    {239, "IC Ensemble, Inc.", kProducts239},
    {240, "ViewQuest Technologies Inc.", kProducts240},
    {241, "eTEK Labs Inc.", kProducts241},
    {242, "Consistent Software", {}},
    {243, "Alesis Studio Electronics", {}},
    {244, "INTERNET Corporation", kProducts244},
    {245, "Sony Corporation", kProducts245},
    {246, "Hyperactive Audio Systems, Inc.", {}},
    {247, "UHER informatic GmbH", kProducts247},
    {248, "Sydec NV", kProducts248},
    {249, "Flexion Systems Ltd.", kProducts249},
    {250, "Via Technologies, Inc.", kProducts250},
    {251, "Micronas Semiconductors, Inc.", kProducts251},
    {252, "Analog Devices, Inc.", {}},
    {253, "Hewlett Packard Company", kProducts253},
    {254, "Matrox", {}},
    {255, "Quick Audio, GbR", kProducts255},
    {256, "You/Com Audiocommunicatie BV", {}},
    {257, "Richmond Sound Design Ltd.", {}},
    {258, "I-O Data Device, Inc.", {}},
    {259, "ICCC A/S", kProducts259},
    {260, "3COM Corporation", kProducts260},
    {261, "Malden Electronics Ltd.", {}},
    {262, "3Dfx Interactive, Inc.", {}},
    {263, "Mindmaker, Inc.", kProducts263},
    {264, "Telekol Corp.", kProducts264},
    {265, "ST Microelectronics", {}},
    {266, "Algo Vision Systems GmbH", kProducts266},
};

} // namespace
// clang-format on

TTable<TManufacturerName> ManufacturerNames()
{
    return kManufacturers;
}
