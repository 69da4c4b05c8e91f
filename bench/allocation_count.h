// Counts the heap allocations of the calling thread. The benchmark program replaces
// the global operator new so that a benchmark can show how many allocations one
// pass of the code under measurement makes.
#ifndef VELDRA_BENCH_ALLOCATION_COUNT_H
#define VELDRA_BENCH_ALLOCATION_COUNT_H

#include <cstdint>

namespace veldra::bench {

// Allocations made by this thread since it started.
std::uint64_t allocations_so_far();

}  // namespace veldra::bench

#endif
