#pragma once

namespace crank {

// Clears the upper halves of the AVX registers (vzeroupper) where the CPU has
// them; elsewhere it does nothing.
//
// Some code in the toolkit's libraries returns with those halves still in use.
// From then on every SSE instruction of code built for the x86-64 baseline,
// ours and the toolkit's alike, waits on the whole register it writes: the
// port sheet's view, 0.7 ms on its own, took 5.5 ms after the sheet's tabs had
// been made. Called before our long computations and drawings, and before
// each event is handled; it costs a few cycles.
void SettleVectorUnit();

} // namespace crank
