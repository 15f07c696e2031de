// One line that names the running Windows: version, edition, service pack and build.
#pragma once

#include <string>

#include "info/InfoPlatform.h"

/// The best description that can be had: the detailed one, else the short one, else
/// "Microsoft Windows". Never lets an error out.
void GetOSDescription(IOsQueries& Os, std::string& S);
/// The detailed description from the version record, its product type and suite, the registry
/// and the service-pack text ("Unknown" when the version cannot be queried). Errors pass on.
void GetFullOSDescription(IOsQueries& Os, std::string& S);
/// "<platform> Version <major>.<minor> (Build <build> : <service pack>)". Errors pass on.
void GetShortOSDescription(IOsQueries& Os, std::string& S);
/// "Windows 3.1", "Windows 95" or "Windows NT" for platform ids 0, 1 and 2; any other id leaves
/// Name as it is.
void PlatformName(DWORD PlatformId, std::string& Name);
