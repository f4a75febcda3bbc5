#pragma once
// Counts every C++ allocation of the process (operator new), so that a
// benchmark can show that a step allocates nothing once warmed up. Qt's own
// containers allocate with malloc and are not counted.

#include <cstdint>

// Allocations made since the program began.
std::uint64_t AllocationsSoFar();
