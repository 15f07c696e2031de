// Cost of the identifier registry's lookups: every listed (manufacturer, product) pair, and as
// many pairs that are not listed, half of them under a listed manufacturer.
//   tools/benchmark.sh --benchmark_filter=Pairs   (read the "time_per_lookup" counter)
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "mixer/MMReg.h"
#include "mixer/MMRegTables.h"

namespace {

using Pairs = std::vector<std::pair<WORD, WORD>>;

Pairs ListedPairs()
{
    Pairs pairs;
    for (const TManufacturerName& manufacturer : ManufacturerNames())
        for (const TProductName& product : manufacturer.Products)
            pairs.emplace_back(manufacturer.Id, product.Id);
    return pairs;
}

Pairs UnlistedPairs(size_t Count)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> any(0, 65535);
    Pairs pairs;
    while (pairs.size() < Count) {
        const bool listedManufacturer = pairs.size() % 2 == 0;
        const WORD mid = static_cast<WORD>(listedManufacturer ? any(random) % 267 : any(random));
        const WORD pid = static_cast<WORD>(any(random));
        if (!FindProductName(mid, pid) && (!listedManufacturer || FindManufacturerName(mid)))
            pairs.emplace_back(mid, pid);
    }
    return pairs;
}

void CountLookups(benchmark::State& State, size_t PerIteration)
{
    // Lookups per second, inverted: seconds per lookup, shown with an SI prefix ("23.9n").
    State.counters["time_per_lookup"] =
        benchmark::Counter(static_cast<double>(State.iterations() * PerIteration),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void LookupListedPairs(benchmark::State& State)
{
    const Pairs pairs = ListedPairs();
    for (auto _ : State)
        for (const auto& [mid, pid] : pairs)
            benchmark::DoNotOptimize(FindProductName(mid, pid));
    CountLookups(State, pairs.size());
}

void LookupUnlistedPairs(benchmark::State& State)
{
    const Pairs pairs = UnlistedPairs(ListedPairs().size());
    for (auto _ : State)
        for (const auto& [mid, pid] : pairs)
            benchmark::DoNotOptimize(FindProductName(mid, pid));
    CountLookups(State, pairs.size());
}

// The whole conversion, strings included, as the report makes it for each device.
void GetMixerCapsDetailListedPairs(benchmark::State& State)
{
    const Pairs pairs = ListedPairs();
    MIXERCAPSA caps{};
    TMixerCapsDetail detail;
    for (auto _ : State) {
        for (const auto& [mid, pid] : pairs) {
            caps.wMid = mid;
            caps.wPid = pid;
            GetMixerCapsDetail(caps, detail);
            benchmark::DoNotOptimize(detail.Product.data());
        }
    }
    CountLookups(State, pairs.size());
}

} // namespace

BENCHMARK(LookupListedPairs)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(LookupUnlistedPairs)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(GetMixerCapsDetailListedPairs)->Repetitions(15)->ReportAggregatesOnly(true);
