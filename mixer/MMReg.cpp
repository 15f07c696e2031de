#include "mixer/MMReg.h"

#include <algorithm>

#include "platform/RecordText.h"
#include "mixer/MMRegTables.h"
#include "platform/Format.h"

namespace {

const char kUnmappedManufacturer[] = "Unmapped Manufacturer";
const char kUnmappedProduct[] = "Unmapped Product";

// Binary search by identifier; a lookup compares numbers only.
template <typename Entry>
const Entry* FindById(const TTable<Entry>& Table, WORD Id)
{
    const Entry* found = std::lower_bound(
        Table.begin(), Table.end(), Id, [](const Entry& Item, WORD Key) { return Item.Id < Key; });
    return found != Table.end() && found->Id == Id ? found : nullptr;
}

const TManufacturerName* FindManufacturer(WORD Mid)
{
    return FindById(ManufacturerNames(), Mid);
}

// A product identifier means something only in its own manufacturer's table.
const TProductName* FindProduct(const TManufacturerName* Manufacturer, WORD Pid)
{
    return Manufacturer ? FindById(Manufacturer->Products, Pid) : nullptr;
}

} // namespace

const char* FindManufacturerName(WORD Mid)
{
    const TManufacturerName* manufacturer = FindManufacturer(Mid);
    return manufacturer ? manufacturer->Name : nullptr;
}

const char* FindProductName(WORD Mid, WORD Pid)
{
    const TProductName* product = FindProduct(FindManufacturer(Mid), Pid);
    return product ? product->Name : nullptr;
}

void GetMixerCapsDetail(const MIXERCAPSA& Caps, TMixerCapsDetail& Detail)
{
    Detail.Pname = FixedText(Caps.szPname);
    Detail.DriverVersion = Format("Ver.%d.%d", static_cast<int>(Caps.vDriverVersion >> 16),
                                  static_cast<int>(Caps.vDriverVersion & 0xFFFF));
    Detail.Support = Caps.fdwSupport;
    Detail.Destinations = Caps.cDestinations;

    const TManufacturerName* manufacturer = FindManufacturer(Caps.wMid);
    const TProductName* product = FindProduct(manufacturer, Caps.wPid);
    Detail.Manufacturer = manufacturer ? manufacturer->Name : kUnmappedManufacturer;
    Detail.Product = product ? product->Name : kUnmappedProduct;
}
