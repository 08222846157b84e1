#pragma once

namespace crank {

// Clears the vector unit's upper halves (SettleVectorUnit) before the
// application handles each event, so that what a toolkit routine left in
// them slows no later event. Call once, after the application is made.
void SettleVectorUnitBeforeEachEvent();

} // namespace crank
