#include "mixer/MMReg.h"
#include <algorithm>

#include "mixer/MMUtils.h"
#include "mixer/MixerQueries.h"
#include "platform/RecordText.h"
#include "mixer/Reports.h"
#include "platform/Format.h"
#include "platform/TextEscape.h"

void RunDevCapsReport(IMixer& Mixer, const TLineSink& AppendLine)
{
    const UINT claimed = Mixer.GetNumDevs();
    AppendLine(Format("mixerGetNumDevs() = %d", Signed32(claimed)));
    const UINT deviceCount = std::min<UINT>(claimed, kMostCounted);
    if (claimed > kMostCounted)
        AppendLine(OverLimitText("mixerGetNumDevs", "devices", claimed, kMostCounted));

    TMixerCapsDetail detail;
    for (UINT device = 0; device < deviceCount; ++device) {
        AppendLine(Format("----------   mixerGetDevCaps(%d)   ----------", Signed32(device)));
        MIXERCAPSA caps{};
        const std::string failure =
            MixerDevCapsResultText(Mixer.GetDevCaps(device, &caps, sizeof caps), kCapsCall);
        if (!failure.empty()) {
            AppendLine(failure);
            continue;
        }
        if (IsAsHandedOver(caps)) {
            AppendLine(UnwrittenText(kCapsCall));
            continue;
        }
        GetMixerCapsDetail(caps, detail);
        AppendLine(Format("MixerCaps.wMid = %d(%s)", caps.wMid, detail.Manufacturer.c_str()));
        AppendLine(Format("MixerCaps.wPid = %d(%s)", caps.wPid, detail.Product.c_str()));
        AppendLine(Format("MixerCaps.vDriverVersion = %d(%s)", Signed32(caps.vDriverVersion),
                          detail.DriverVersion.c_str()));
        AppendLine(Format("MixerCaps.szPname = %s",
                          EscapedText(detail.Pname, TTextEscape::BareAnsi).c_str()));
        AppendLine(Format("MixerCaps.fdwSupport = %d", Signed32(caps.fdwSupport)));
        AppendLine(Format("MixerCaps.cDestinations = %d", Signed32(caps.cDestinations)));
    }
}
