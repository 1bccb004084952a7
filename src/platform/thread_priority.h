// How much of the processor a helper thread asks for.
#pragma once

namespace brevino {

// Makes the calling thread yield to interactive ones (the window's thread wins whenever it
// wakes); `lowest` also puts it behind other helper threads.
void yieldToInteractiveThreads(bool lowest);

}  // namespace brevino
