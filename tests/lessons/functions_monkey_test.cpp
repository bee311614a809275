// Random keys through the whole of lesson_functions: whatever is typed, the
// program neither fails (error screen), nor draws for ever without reading a
// key. The run restarts the program when a key script ends it early (item 8).
// The canvas is drawn on, so that a sanitizer build watches the rasteriser too.
// FUNCTIONS_MONKEY_KEYS sets a longer run and FUNCTIONS_MONKEY_SEEDS the number
// of seeds (the defaults are short, for CI).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "functions_replay.hpp"

namespace {

// Keys in the script syntax. Half the time a choice as a learner types it
// (one digit and Enter, items of every topic and its bar), so that the run
// gets into the scenes; otherwise a few keys of any kind: digits, Enter, the
// editing keys, "-", ".", "/", arrows, letters and blanks.
std::vector<std::string> random_keys(unsigned seed, int count) {
    static const std::string kChoices = "11122233344455566677712345679008";
    static const std::vector<std::string> kAny = {
        "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "{enter}", "{enter}",
        "{bs}", "{del}", "-", ".", "/", "{left}", "{right}", "{left}", "{right}",
        "a", "x", "Q", " ", " ", " ", " ",
    };
    std::mt19937 generator(seed);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(generator); };
    std::vector<std::string> keys;
    while (static_cast<int>(keys.size()) < count) {
        if (pick(2) == 0) {
            keys.push_back(std::string(1, kChoices[pick(kChoices.size())]));
            keys.push_back("{enter}");
        } else {
            for (std::size_t n = 1 + pick(4); n > 0; --n) keys.push_back(kAny[pick(kAny.size())]);
        }
    }
    keys.resize(count);
    return keys;
}

int from_env(const char* name, int fallback) {
    if (const char* env = std::getenv(name)) return std::max(1, std::atoi(env));
    return fallback;
}

TEST(FunctionsMonkey, RandomKeysNeverFailNorHang) {
    const int seeds = from_env("FUNCTIONS_MONKEY_SEEDS", 2);
    for (unsigned seed = 1; seed <= static_cast<unsigned>(seeds); ++seed) {
        SCOPED_TRACE(seed);
        const auto keys = random_keys(seed, from_env("FUNCTIONS_MONKEY_KEYS", 1500));
        std::size_t next = 0;
        int runs = 0;
        while (next < keys.size()) {
            std::string script;
            for (std::size_t i = next; i < keys.size(); ++i) script += keys[i];
            rt::SessionOptions options = functions_replay::headless(script, 200'000);
            options.record = true;
            options.rasterise = true;
            auto replay = functions_replay::finish(shell::run_lesson(
                options, [] { return std::make_unique<lessons::FunctionsLesson>(); }));
            ASSERT_EQ(replay.result.outcome, rt::Outcome::Ended)
                << "after key " << next << " of the script (run " << runs << ")";
            const std::size_t taken = replay.keys().size();
            ASSERT_GT(taken, 0u);
            next += taken;
            ++runs;
        }
    }
}

}  // namespace
