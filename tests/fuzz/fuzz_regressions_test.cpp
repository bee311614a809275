// The inputs kept from fuzzing, replayed: the seed inputs the fuzz targets
// start from (tests/fuzz_corpus/<target>/) and every input that once made a
// target fail (tests/fuzz_regressions/<target>/). Each must end cleanly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/fuzz_bodies.hpp"

namespace {

namespace fs = std::filesystem;

using Body = fuzz_bodies::Result (*)(const std::uint8_t*, std::size_t);

std::vector<fs::path> kept_inputs(const std::string& target) {
    const char* root = std::getenv("LESSONS_SOURCE_DIR");
    const fs::path source = root ? root : LESSONS_SOURCE_DIR_FALLBACK;
    std::vector<fs::path> files;
    for (const char* kind : {"fuzz_corpus", "fuzz_regressions"}) {
        const fs::path dir = source / "tests" / kind / target;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                files.push_back(entry.path());
    }
    return files;
}

void replay_all(const std::string& target, Body body) {
    const auto files = kept_inputs(target);
    ASSERT_FALSE(files.empty()) << "no kept inputs for " << target;
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
                  fuzz_bodies::Result::Ended);
    }
}

TEST(FuzzRegressions, FormulaTextEndsCleanlyOnEveryKeptInput) {
    replay_all("formula_text", fuzz_bodies::formula_text);
}

TEST(FuzzRegressions, NumberEntryEndsCleanlyOnEveryKeptInput) {
    replay_all("number_entry_keys", fuzz_bodies::number_entry_keys);
}

}  // namespace
