#include "mixer/MMReg.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "mixer/MMRegTables.h"

namespace {

// Binary search by identifier; a lookup compares numbers only. The identifiers are unique and
// sorted, so Id can sit no further from either end than its distance from that end's identifier:
// in the registry's nearly gapless tables that leaves a handful of entries to search.
template <typename Entry>
const Entry* FindById(const TTable<Entry>& Table, WORD Id)
{
    if (Table.Count == 0 || Id < Table.begin()->Id || Id > (Table.end() - 1)->Id)
        return nullptr;
    const std::size_t last = Table.Count - 1;
    const std::size_t fromLast = (Table.end() - 1)->Id - Id;
    const Entry* first = Table.begin() + (fromLast < last ? last - fromLast : 0);
    const Entry* end = Table.begin() + std::min<std::size_t>(last, Id - Table.begin()->Id) + 1;
    const Entry* found =
        std::lower_bound(first, end, Id, [](const Entry& Item, WORD Key) { return Item.Id < Key; });
    return found != end && found->Id == Id ? found : nullptr;
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
    return manufacturer ? manufacturer->Name.data() : nullptr;
}

const char* FindProductName(WORD Mid, WORD Pid)
{
    const TProductName* product = FindProduct(FindManufacturer(Mid), Pid);
    return product ? product->Name.data() : nullptr;
}

namespace {

// "Ver.<high 16 bits>.<low 16 bits>", written into Text's own storage: a record that serves many
// devices keeps its buffers.
void SetVersionText(MMVERSION Version, std::string& Text)
{
    char buffer[16] = "Ver.";
    char* end = std::to_chars(buffer + 4, std::end(buffer), Version >> 16).ptr;
    *end++ = '.';
    end = std::to_chars(end, std::end(buffer), Version & 0xFFFF).ptr;
    Text.assign(buffer, end);
}

} // namespace

std::string DriverVersionText(MMVERSION Version)
{
    std::string text;
    SetVersionText(Version, text);
    return text;
}

void GetMixerCapsDetail(const MIXERCAPSA& Caps, TMixerCapsDetail& Detail)
{
    Detail.Pname.assign(Caps.szPname, std::find(Caps.szPname, Caps.szPname + MAXPNAMELEN, '\0'));
    SetVersionText(Caps.vDriverVersion, Detail.DriverVersion);
    Detail.Support = Caps.fdwSupport;
    Detail.Destinations = Caps.cDestinations;

    const TManufacturerName* manufacturer = FindManufacturer(Caps.wMid);
    const TProductName* product = FindProduct(manufacturer, Caps.wPid);
    Detail.Manufacturer.assign(manufacturer ? manufacturer->Name : kUnmappedManufacturer);
    Detail.Product.assign(product ? product->Name : kUnmappedProduct);
}
