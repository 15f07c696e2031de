// The identifier registry and the capabilities detail record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "mixer/MMReg.h"
#include "mixer/MMRegTables.h"
#include "FakeMixer.h"

namespace {

const char kUnmappedManufacturer[] = "Unmapped Manufacturer";
const char kUnmappedProduct[] = "Unmapped Product";

TEST(MMRegTables, HoldTheWholeRegistry)
{
    std::set<int> manufacturerIds;
    size_t withProducts = 0, products = 0;
    std::vector<size_t> tableSizes;
    for (const TManufacturerName& manufacturer : ManufacturerNames()) {
        manufacturerIds.insert(manufacturer.Id);
        if (manufacturer.Products.Count > 0)
            ++withProducts;
        products += manufacturer.Products.Count;
        tableSizes.push_back(manufacturer.Products.Count);
    }
    std::set<int> expectedIds;
    for (int id = 1; id <= 266; ++id)
        if (id < 122 || id > 124)
            expectedIds.insert(id);
    EXPECT_EQ(ManufacturerNames().Count, 263u);
    EXPECT_EQ(manufacturerIds, expectedIds);
    EXPECT_EQ(withProducts, 171u);
    EXPECT_EQ(products, 1174u);

    std::sort(tableSizes.rbegin(), tableSizes.rend());
    EXPECT_EQ(std::vector<size_t>(tableSizes.begin(), tableSizes.begin() + 6),
              (std::vector<size_t>{95, 81, 57, 38, 34, 33}));
    for (auto [id, size] : {std::pair{1, 95}, {101, 81}, {3, 57}, {237, 38}, {46, 34}, {37, 33}}) {
        const auto* manufacturer =
            std::find_if(ManufacturerNames().begin(), ManufacturerNames().end(),
                         [id = id](const TManufacturerName& Entry) { return Entry.Id == id; });
        ASSERT_NE(manufacturer, ManufacturerNames().end());
        EXPECT_EQ(manufacturer->Products.Count, static_cast<size_t>(size)) << "manufacturer " << id;
    }
}

// Binary search needs strictly increasing identifiers, which also makes them unique.
TEST(MMRegTables, AreSortedAndHoldPrintableNames)
{
    // Printable, and ending where a NUL follows: the lookups hand the names out as C strings.
    auto printable = [](std::string_view Name) {
        for (const char c : Name)
            if (c < 32 || c > 126)
                return false;
        return Name.data()[Name.size()] == '\0';
    };
    int previousManufacturer = -1;
    size_t trailingBlanks = 0;
    for (const TManufacturerName& manufacturer : ManufacturerNames()) {
        EXPECT_GT(manufacturer.Id, previousManufacturer);
        previousManufacturer = manufacturer.Id;
        EXPECT_TRUE(printable(manufacturer.Name)) << manufacturer.Id;
        int previousProduct = -1;
        for (const TProductName& product : manufacturer.Products) {
            EXPECT_GT(product.Id, previousProduct) << "manufacturer " << manufacturer.Id;
            previousProduct = product.Id;
            EXPECT_TRUE(printable(product.Name)) << manufacturer.Id << "/" << product.Id;
            trailingBlanks += !product.Name.empty() && product.Name.back() == ' ';
        }
    }
    EXPECT_EQ(trailingBlanks, 670u);
}

struct LookupCase {
    WORD Mid, Pid;
    const char* Manufacturer;
    const char* Product;
};

const LookupCase kLookups[] = {
    // Manufacturers outside the registry: both fall-backs, whatever the product.
    {0, 0, kUnmappedManufacturer, kUnmappedProduct},
    {122, 1, kUnmappedManufacturer, kUnmappedProduct},
    {123, 1, kUnmappedManufacturer, kUnmappedProduct},
    {124, 1, kUnmappedManufacturer, kUnmappedProduct},
    {267, 1, kUnmappedManufacturer, kUnmappedProduct},
    {65535, 100, kUnmappedManufacturer, kUnmappedProduct},
    {121, 1, "Brooktree Corporation", "Brooktree PCM Wave Audio In"},
    {125, 16, "ENSONIQ Corporation", "ENSONIQ Soundscape"},
    // A manufacturer without products, and products another manufacturer lists.
    {4, 0, "Fujitsu Corp.", kUnmappedProduct},
    {4, 1, "Fujitsu Corp.", kUnmappedProduct},
    {4, 65535, "Fujitsu Corp.", kUnmappedProduct},
    // Gaps and ranges in Microsoft's table.
    {1, 0, "Microsoft Corporation", kUnmappedProduct},
    {1, 8, "Microsoft Corporation", kUnmappedProduct},
    {1, 77, "Microsoft Corporation", kUnmappedProduct},
    {1, 79, "Microsoft Corporation", kUnmappedProduct},
    {1, 94, "Microsoft Corporation", kUnmappedProduct},
    {1, 99, "Microsoft Corporation", kUnmappedProduct},
    {1, 106, "Microsoft Corporation", kUnmappedProduct},
    {1, 1, "Microsoft Corporation", "Midi Mapper"},
    {1, 76, "Microsoft Corporation", "Yamaha OPL2/OPL3 compatible FM synthesis"},
    {1, 80, "Microsoft Corporation", "Voice Modem Serial Line Wave Input"},
    {1, 100, "Microsoft Corporation", "Generic id for WDM Audio drivers"},
    {1, 103, "Microsoft Corporation", "Generic id for WDM Audio drivers"},
    {1, 105, "Microsoft Corporation", "Generic id for WDM Audio drivers"},
    {24, 10, "Roland", "MM_ROLAND_RAP10"},
    {24, 14, "Roland", "MM_ROLAND_RAP10"},
    {2, 301, "Creative Labs, Inc.", "SB (r)"},
    // Product 0 is an ordinary key, found only where it is listed.
    {184, 0, "Lucent Technologies", "ACM_G723"},
    {128, 0, "OKSORI Co., Ltd.", "Oksori Base"},
    {134, 0, "Quarterdeck Corporation", "Quarterdeck L&H Codec Wave In"},
    {163, 0, "Diamond Multimedia", "Freedom Audio"},
    {2, 0, "Creative Labs, Inc.", kUnmappedProduct},
    // Sparse and large product identifiers.
    {131, 17152, "Kay Elemetrics, Inc.", "CSL         "},
    {131, 17161, "Kay Elemetrics, Inc.", "CSL_4CHANNEL"},
    {131, 17153, "Kay Elemetrics, Inc.", kUnmappedProduct},
    {168, 256, "VanKoevering Company", "MPU401_MIDIIN "},
    {168, 513, "VanKoevering Company", "SERIAL_MIDIOUT"},
    {168, 258, "VanKoevering Company", kUnmappedProduct},
    // Empty names are names, not misses.
    {253, 1, "Hewlett Packard Company", ""},
    {253, 2, "Hewlett Packard Company", ""},
    {253, 3, "Hewlett Packard Company", kUnmappedProduct},
    {13, 1, "Hewlett-Packard Company", "CU_CODEC"},
    // Blanks, case and spelling exactly as registered.
    {23, 2, "Vocaltec Ltd.", "WAVEIN "},
    {46, 1, "ESS Technology", "AMWAVEOUT     "},
    {46, 10, "ESS Technology", "MPU401_MIDIIN"},
    {24, 16, "Roland", "MPU401_MIDIIN "},
    {1, 16, "Microsoft Corporation", "MS Audio Board  Stereo FM synth"},
    {1, 24, "Microsoft Corporation", "MS Vanilla driver wavefrom output"},
    {260, 1, "3COM Corporation", "MIXER "},
    {260, 3, "3COM Corporation", "WAVEOU"},
    {106, 1, "ISOLUTION  B.V.", "PASCAL"},
    {56, 1, "Audio Processing Technology", "ACE100CD"},
    {74, 1, "Audio Processing Technology", kUnmappedProduct},
    {28, 1, "Wang Laboratories, Inc.",
     "Input audio wave on CPU board models: Exec 4010, 4030, 3450; PC 251/25c, pc 461/25s , pc "
     "461/33c"},
    {255, 255, "Quick Audio, GbR", kUnmappedProduct},
    {266, 5, "Algo Vision Systems GmbH", "VB80AUX2"},
    {266, 6, "Algo Vision Systems GmbH", kUnmappedProduct},
};

TEST(GetMixerCapsDetail, ResolvesIdentifiersExactlyWithFallBacks)
{
    for (const LookupCase& tested : kLookups) {
        TMixerCapsDetail detail;
        GetMixerCapsDetail(MakeCaps(tested.Mid, tested.Pid, 0, "", 0, 0), detail);
        EXPECT_EQ(detail.Manufacturer, tested.Manufacturer) << tested.Mid << "/" << tested.Pid;
        EXPECT_EQ(detail.Product, tested.Product) << tested.Mid << "/" << tested.Pid;
    }
}

TEST(GetMixerCapsDetail, ConvertsVersionNameAndCounts)
{
    const struct {
        DWORD Version;
        const char* Text;
    } versions[] = {{0x00050001, "Ver.5.1"},
                    {0x0500, "Ver.0.1280"},
                    {0xFFFFFFFF, "Ver.65535.65535"},
                    {0, "Ver.0.0"},
                    {0x00010001, "Ver.1.1"}};
    for (const auto& tested : versions) {
        TMixerCapsDetail detail;
        GetMixerCapsDetail(MakeCaps(1, 1, tested.Version, "x", 0, 0), detail);
        EXPECT_EQ(detail.DriverVersion, tested.Text) << std::hex << tested.Version;
    }

    TMixerCapsDetail detail;
    GetMixerCapsDetail(MakeCaps(1, 1, 0, "Out: default", 0xFFFFFFFF, 0x80000000), detail);
    EXPECT_EQ(detail.Pname, "Out: default");
    EXPECT_EQ(detail.Support, 0xFFFFFFFFu);
    EXPECT_EQ(detail.Destinations, 0x80000000u);

    GetMixerCapsDetail(MakeCaps(1, 1, 0, "", 0, 0), detail);
    EXPECT_EQ(detail.Pname, "");
}

// A driver may fill all 32 characters of the name; the record then ends without a NUL and the
// name must not run on into the fields behind it.
TEST(GetMixerCapsDetail, TakesAFullNameWithoutReadingPastIt)
{
    MIXERCAPSA caps = MakeCaps(1, 1, 0, "", 0x41414141, 0x42424242);
    std::memset(caps.szPname, 'N', sizeof caps.szPname);
    TMixerCapsDetail detail;
    GetMixerCapsDetail(caps, detail);
    EXPECT_EQ(detail.Pname, std::string(32, 'N'));

    caps.szPname[5] = '\0';
    GetMixerCapsDetail(caps, detail);
    EXPECT_EQ(detail.Pname, "NNNNN");
}

TEST(GetMixerCapsDetail, OverwritesEveryFieldOfAReusedRecord)
{
    TMixerCapsDetail detail;
    EXPECT_EQ(detail.Manufacturer, "");
    EXPECT_EQ(detail.Product, "");
    EXPECT_EQ(detail.DriverVersion, "");
    EXPECT_EQ(detail.Pname, "");
    EXPECT_EQ(detail.Support, 0u);
    EXPECT_EQ(detail.Destinations, 0u);

    GetMixerCapsDetail(MakeCaps(1, 100, 0x00050001, "First device", 7, 3), detail);
    GetMixerCapsDetail(MakeCaps(0, 100, 0, "", 0, 0), detail);
    EXPECT_EQ(detail.Manufacturer, kUnmappedManufacturer);
    EXPECT_EQ(detail.Product, kUnmappedProduct);
    EXPECT_EQ(detail.DriverVersion, "Ver.0.0");
    EXPECT_EQ(detail.Pname, "");
    EXPECT_EQ(detail.Support, 0u);
    EXPECT_EQ(detail.Destinations, 0u);
}

TEST(RegistryLookups, AnswerWithNamesOrNothing)
{
    EXPECT_STREQ(FindManufacturerName(1), "Microsoft Corporation");
    EXPECT_EQ(FindManufacturerName(0), nullptr);
    EXPECT_STREQ(FindProductName(1, 2), "Wave Mapper");
    EXPECT_EQ(FindProductName(1, 8), nullptr);
    EXPECT_EQ(FindProductName(122, 1), nullptr);
}

} // namespace
