// Reading string values from a file's version resource, and the caption made from them.
#pragma once

#include <functional>
#include <string>

#include "info/InfoPlatform.h"

// The twelve standard string values of a version resource, in their usual order.
inline constexpr char kVerComments[] = "Comments";
inline constexpr char kVerCompanyName[] = "CompanyName";
inline constexpr char kVerFileDescription[] = "FileDescription";
inline constexpr char kVerFileVersion[] = "FileVersion";
inline constexpr char kVerInternalName[] = "InternalName";
inline constexpr char kVerLegalCopyright[] = "LegalCopyright";
inline constexpr char kVerLegalTrademarks[] = "LegalTrademarks";
inline constexpr char kVerOriginalFilename[] = "OriginalFilename";
inline constexpr char kVerPrivateBuild[] = "PrivateBuild";
inline constexpr char kVerProductName[] = "ProductName";
inline constexpr char kVerProductVersion[] = "ProductVersion";
inline constexpr char kVerSpecialBuild[] = "SpecialBuild";

/// Reads the string value Key of FileName's version resource, under the resource's first
/// translation, into Value, with leading and trailing codes 0 to 32 removed. When the file has no
/// version resource, no translation, or no such value (or an empty one), Value keeps what the
/// caller put in. Key is looked up literally, whatever characters it holds.
void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::string& FileName, std::string& Value);
/// The same through the service's wide form: the value in its own characters, whatever the
/// system's code page, for a file whose path may hold any character. Key is one of the names
/// above (ASCII).
void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::wstring& FileName, std::wstring& Value);

/// The default application title: the executable's file name cut at its first ".", every
/// character after the first in lower case ("KORVALE.EXE" gives "Korvale").
std::string ApplicationTitle(const std::string& ExePath, const IAnsiCodePage& CodePage);
/// The same for a UTF-16 path, lowered by ToLower (the system's CharLowerBuffW).
std::wstring ApplicationTitle(const std::wstring& ExePath,
                              const std::function<std::wstring(const std::wstring&)>& ToLower);

/// The information window's caption: "<title> Ver.<version> - <form name>".
std::string VersionCaption(const std::string& Title, const std::string& FileVersion,
                           const std::string& FormName);
std::wstring VersionCaption(const std::wstring& Title, const std::wstring& FileVersion,
                            const std::wstring& FormName);
