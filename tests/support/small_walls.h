// Small data files shared by the run-frame, output-file and CLI tests.
#ifndef VELDRA_TESTS_SUPPORT_SMALL_WALLS_H
#define VELDRA_TESTS_SUPPORT_SMALL_WALLS_H

namespace veldra::test {

// Cantilever of 10 increments fixed at the tip, a lateral load at the top, no soil.
inline const char* const kCantilever =
    "CANTILEVER TEST WALL\n"
    "1 1\t1\t0\t0\t0 0 1 0 0\n"
    "10 12\t10\t0.001\t0\t12\n"
    "3\t10\t0\t0\n"
    "0\t10\t1\t1.0E9\n"
    "1\n"
    "1\t0\t0\t1000\t0\t0\n"
    "0\n"
    "0\n";

}  // namespace veldra::test

#endif
