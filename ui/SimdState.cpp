#include "ui/SimdState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void ZeroUpperHalves() {
    _mm256_zeroupper();
}

bool ProcessorHasAvx() {
    static const bool hasAvx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return hasAvx;
}

}  // namespace

void SettleVectorUnit() {
    if (ProcessorHasAvx()) ZeroUpperHalves();
}

#else

void SettleVectorUnit() {}

#endif
