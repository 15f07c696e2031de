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
/// translation, into Value, with leading and trailing codes 0 to 32 removed: the value in its own
/// characters, whatever the system's code page, for a file whose path may hold any character.
/// When the file has no version resource, no translation, or no such value (or an empty one),
/// Value keeps what the caller put in. Key, ASCII (one of the names above), is looked up as it
/// stands: a "%" in it is just a character.
void GetVersionInfoValue(IVersionResources& Resources, const std::string& Key,
                         const std::wstring& FileName, std::wstring& Value);

/// The default application title: the executable's file name cut at its first ".", every
/// character after the first lowered by ToLower (the system's CharLowerBuffW): "KORVALE.EXE"
/// gives "Korvale".
std::wstring ApplicationTitle(const std::wstring& ExePath,
                              const std::function<std::wstring(const std::wstring&)>& ToLower);

/// The information window's caption: "<title> Ver.<version> - <form name>".
std::wstring VersionCaption(const std::wstring& Title, const std::wstring& FileVersion,
                            const std::wstring& FormName);
