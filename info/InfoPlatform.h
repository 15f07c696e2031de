// The platform seams of unit Info: the few Windows services its routines ask, as interfaces, so
// the routines' decisions run against scripted fakes in the unit tests and against Windows itself
// in the program. Each method is the Windows call it names, with its arguments and result.
#pragma once

#include <string>

#include "platform/WinCompat.h"

/// What the text routines need to know of the system's ANSI code page.
class IAnsiCodePage {
public:
    virtual ~IAnsiCodePage() = default;
    /// IsDBCSLeadByte: whether Byte starts a double-byte character.
    virtual bool IsLeadByte(unsigned char Byte) const = 0;
    /// CharLowerBuffA: Text in the code page's lower case.
    virtual std::string ToLower(const std::string& Text) const = 0;
};

/// The version-resource service (version.dll), in its ANSI and its wide forms. A block read with
/// one form is queried with the same form.
class IVersionResources {
public:
    virtual ~IVersionResources() = default;
    /// GetFileVersionInfoSizeA
    virtual DWORD GetInfoSize(const char* FileName, DWORD* Handle) = 0;
    /// GetFileVersionInfoA
    virtual BOOL GetInfo(const char* FileName, DWORD Handle, DWORD Size, void* Data) = 0;
    /// VerQueryValueA
    virtual BOOL QueryValue(const void* Block, const char* SubBlock, void** Buffer,
                            UINT* Length) = 0;
    /// GetFileVersionInfoSizeW
    virtual DWORD GetInfoSize(const wchar_t* FileName, DWORD* Handle) = 0;
    /// GetFileVersionInfoW
    virtual BOOL GetInfo(const wchar_t* FileName, DWORD Handle, DWORD Size, void* Data) = 0;
    /// VerQueryValueW: the length of a text value counts characters, not bytes.
    virtual BOOL QueryValue(const void* Block, const wchar_t* SubBlock, void** Buffer,
                            UINT* Length) = 0;
};

/// The version query and the registry reads of the operating system description.
class IOsQueries {
public:
    virtual ~IOsQueries() = default;
    /// GetVersionExA
    virtual BOOL QueryVersion(OSVERSIONINFOA* Info) = 0;
    /// RegOpenKeyExA with no options
    virtual LONG OpenKey(HKEY Root, const char* SubKey, REGSAM Access, HKEY* Key) = 0;
    /// RegQueryValueExA
    virtual LONG QueryValue(HKEY Key, const char* Name, DWORD* Type, BYTE* Data, DWORD* Size) = 0;
    /// RegCloseKey
    virtual LONG CloseKey(HKEY Key) = 0;
    /// lstrcmpiA
    virtual int CompareNoCase(const char* First, const char* Second) = 0;
};
