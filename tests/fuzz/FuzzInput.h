// The fuzzer's bytes as the answers of a scripted platform: each fake takes what it needs, call by
// call, and when the bytes run out it answers the same way every time (a count of 0, a failure).
// Everything is taken from the end of the input (FuzzedDataProvider's integers), so that
// make-corpus.py writes a starting input as the answers in the order they are asked for, reversed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

/// Stops the run with the reason: libFuzzer keeps the input that got here.
[[noreturn]] inline void FuzzFault(const char* Problem)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", Problem);
    std::abort();
}

inline void FuzzCheck(bool Condition, const char* Problem)
{
    if (!Condition)
        FuzzFault(Problem);
}

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* Data, std::size_t Size) : m_data(Data, Size) {}

    FuzzedDataProvider& Provider() { return m_data; }
    bool Empty() { return m_data.remaining_bytes() == 0; }

    std::uint8_t Byte() { return m_data.ConsumeIntegral<std::uint8_t>(); }
    std::uint16_t Word() { return m_data.ConsumeIntegral<std::uint16_t>(); }
    std::uint32_t Dword() { return m_data.ConsumeIntegral<std::uint32_t>(); }

    /// A count as a driver claims it: mostly 0 to 4, at times an edge (0xFFFFFFFF, 0x80000000,
    /// 0x7FFFFFFF, 0x10000, 0x10001, 1000, 256, 65) or any 32-bit number.
    std::uint32_t Count()
    {
        static constexpr std::uint32_t kEdges[] = {0xFFFFFFFF, 0x80000000, 0x7FFFFFFF, 0x10000,
                                                   0x10001,    1000,       256,        65};
        const std::uint8_t kind = Byte();
        if (kind < 0xF0)
            return kind % 5;
        if (kind - 0xF0u < std::size(kEdges))
            return kEdges[kind - 0xF0];
        return Dword();
    }

private:
    FuzzedDataProvider m_data;
};
