// Counts the program's operator new calls while a test asks for it, so that
// a test can tell that a routine allocates nothing.
#pragma once

namespace zav {

void start_counting_allocations();
// The number of allocations since the start; counting stops.
long stop_counting_allocations();

}  // namespace zav
