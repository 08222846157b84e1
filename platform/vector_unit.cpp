#include "platform/vector_unit.h"

namespace crank {

void SettleVectorUnit()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // Without AVX the instruction does not exist, and the halves neither.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        __asm__ volatile("vzeroupper");
    }
#endif
}

} // namespace crank
