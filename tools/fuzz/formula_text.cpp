// Fuzz target: fuzz_bodies::formula_text on each input; any outcome but a clean end
// (error screen, endless drawing) is reported as a crash.
#include <cstdlib>

#include "tests/support/fuzz_bodies.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (fuzz_bodies::formula_text(data, size) != fuzz_bodies::Result::Ended) std::abort();
    return 0;
}
