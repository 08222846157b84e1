#pragma once

class QWidget;

namespace crank {

// Measuring aid for bench/startup.sh, built only into the probe programs:
// on the first expose of the window, prints "mapped <ns>" (CLOCK_REALTIME,
// nanoseconds) on stdout. Unless CRANK_BENCH_STAY=1, the program then ends
// at once; with it, the program runs on so that a driver can take it through
// more steps before it ends itself.
void reportWhenMapped(QWidget& window);

} // namespace crank
