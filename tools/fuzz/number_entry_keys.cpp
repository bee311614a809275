// Fuzz target: fuzz_bodies::number_entry_keys on each input; any outcome but a clean end
// (error screen, endless drawing) is reported as a crash.
#include <cstdlib>

#include "tests/support/fuzz_bodies.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (fuzz_bodies::number_entry_keys(data, size) != fuzz_bodies::Result::Ended) std::abort();
    return 0;
}
