#include "ui/SimdState.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#include <immintrin.h>

#if defined(_MSC_VER)
#include <intrin.h>
#endif

// GCC and clang compile an instruction set's intrinsics only in a function that
// declares it; MSVC compiles them anywhere.
#if defined(__GNUC__) || defined(__clang__)
#define TARNWICK_TARGET(features) __attribute__((target(features)))
#else
#define TARNWICK_TARGET(features)
#endif

namespace {

TARNWICK_TARGET("avx") void ZeroUpperHalves() {
    _mm256_zeroupper();
}

#if defined(_MSC_VER)
// MSVC (and clang-cl, which links no runtime behind __builtin_cpu_supports)
// asks the processor itself: AVX is usable when the processor has it and the
// system saves the wide registers on a task switch (XCR0 bits 1 and 2).
TARNWICK_TARGET("xsave") bool AskProcessorForAvx() {
    int registers[4];
    __cpuid(registers, 1);
    const bool hasAvx = (registers[2] & (1 << 28)) != 0;
    const bool systemUsesXsave = (registers[2] & (1 << 27)) != 0;
    return hasAvx && systemUsesXsave && (_xgetbv(0) & 0x6) == 0x6;
}
#else
bool AskProcessorForAvx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}
#endif

bool ProcessorHasAvx() {
    static const bool hasAvx = AskProcessorForAvx();
    return hasAvx;
}

}  // namespace

void SettleVectorUnit() {
    if (ProcessorHasAvx()) ZeroUpperHalves();
}

#else

void SettleVectorUnit() {}

#endif
