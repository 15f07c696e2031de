// Unit MMReg: a mixer's capability record with its identifiers resolved to names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/WinCompat.h"

/// A mixer's capabilities as text a person can read. A new record holds four empty strings and
/// two zeros; every GetMixerCapsDetail overwrites all six fields, so one record can serve many
/// devices.
struct TMixerCapsDetail {
    std::string Manufacturer;  // the wMid's name, or "Unmapped Manufacturer"
    std::string Product;       // the wPid's name under that manufacturer, or "Unmapped Product"
    std::string DriverVersion; // "Ver.<high 16 bits>.<low 16 bits>"
    std::string Pname;         // the device name
    std::uint32_t Support = 0; // fdwSupport
    std::uint32_t Destinations = 0; // cDestinations
};

/// Fills Detail from Caps, looking the identifiers up in the built-in registry. Never fails:
/// identifiers it does not know get the fall-back names.
void GetMixerCapsDetail(const MIXERCAPSA& Caps, TMixerCapsDetail& Detail);

/// The names given to identifiers the registry does not list.
inline constexpr std::string_view kUnmappedManufacturer = "Unmapped Manufacturer";
inline constexpr std::string_view kUnmappedProduct = "Unmapped Product";

/// "Ver.<high 16 bits>.<low 16 bits>"
std::string DriverVersionText(MMVERSION Version);

/// The manufacturer's name for Mid, or null when the registry does not list it.
const char* FindManufacturerName(WORD Mid);
/// The name of product Pid of manufacturer Mid, or null when that manufacturer does not list it.
const char* FindProductName(WORD Mid, WORD Pid);
