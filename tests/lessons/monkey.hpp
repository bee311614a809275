// Random keys through a whole lesson program: whatever is typed, the program
// neither fails (error screen), nor draws for ever without reading a key. The
// run restarts the program when a key script ends it early (its quit item).
// The canvas is drawn on, so that a sanitizer build watches the rasteriser too.
// <PREFIX>_MONKEY_KEYS sets a longer run and <PREFIX>_MONKEY_SEEDS the number
// of seeds (the defaults are short, for CI).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "lesson_replay.hpp"

namespace lesson_replay {

// Keys in the script syntax. Half the time a choice as a learner types it
// (one digit of `choices` and Enter), so that the run gets into the scenes;
// otherwise a few keys of any kind: digits, Enter, the editing keys, "-",
// ".", "/", arrows, letters and blanks.
inline std::vector<std::string> random_keys(const std::string& choices, unsigned seed, int count) {
    static const std::vector<std::string> kAny = {
        "0",       "1",       "2",    "3",     "4", "5", "6", "7",      "8",       "9",
        "{enter}", "{enter}", "{bs}", "{del}", "-", ".", "/", "{left}", "{right}", "{left}",
        "{right}", "a",       "x",    "Q",     " ", " ", " ", " ",
    };
    std::mt19937 generator(seed);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(generator);
    };
    std::vector<std::string> keys;
    while (static_cast<int>(keys.size()) < count) {
        if (pick(2) == 0) {
            keys.push_back(std::string(1, choices[pick(choices.size())]));
            keys.push_back("{enter}");
        } else {
            for (std::size_t n = 1 + pick(4); n > 0; --n) keys.push_back(kAny[pick(kAny.size())]);
        }
    }
    keys.resize(count);
    return keys;
}

inline int monkey_setting(const std::string& prefix, const char* what, int fallback) {
    if (const char* env = std::getenv((prefix + "_MONKEY_" + what).c_str()))
        return std::max(1, std::atoi(env));
    return fallback;
}

// How far the random keys got: number fields (menus, bars and answers),
// drill prompts, arrow-key figure prompts and key waits drawn, so that a long
// run shows that it reached the scenes and not only the menus.
struct Reach {
    long number_fields = 0;
    long drill_prompts = 0;
    long arrow_prompts = 0;
    long key_waits = 0;

    void add(const std::vector<TextRun>& runs) {
        number_fields += count_runs(runs, "入力");
        drill_prompts += count_runs(runs, "次のステップは１を入力。");
        for (const TextRun& run : runs) arrow_prompts += run.text.rfind("←→で動く", 0) == 0;
        key_waits += count_runs(runs, "何かキーを押して下さい。");
    }
};

template <class Program>
void run_monkey(const std::string& prefix, const std::string& choices) {
    const int seeds = monkey_setting(prefix, "SEEDS", 2);
    const int count = monkey_setting(prefix, "KEYS", 1500);
    Reach reach;
    for (unsigned seed = 1; seed <= static_cast<unsigned>(seeds); ++seed) {
        SCOPED_TRACE(seed);
        const auto keys = random_keys(choices, seed, count);
        std::size_t next = 0;
        int runs = 0;
        while (next < keys.size()) {
            std::string script;
            for (std::size_t i = next; i < keys.size(); ++i) script += keys[i];
            rt::SessionOptions options = headless(script, 200'000);
            options.rasterise = true;
            auto replay =
                finish(shell::run_lesson(options, [] { return std::make_unique<Program>(); }));
            ASSERT_EQ(replay.result.outcome, rt::Outcome::Ended)
                << "after key " << next << " of the script (run " << runs << ")";
            const std::size_t taken = replay.keys().size();
            ASSERT_GT(taken, 0u);
            reach.add(replay.runs);
            next += taken;
            ++runs;
        }
    }
    std::printf("%s: %d seeds x %d keys: %ld number fields, %ld drill prompts, %ld arrow-key prompts, %ld key waits\n",
                prefix.c_str(), seeds, count, reach.number_fields, reach.drill_prompts, reach.arrow_prompts,
                reach.key_waits);
    // Half the keys choose menu items: a run that never leaves the menus
    // never waits for a key in a scene.
    EXPECT_GT(reach.key_waits, 0);
}

}  // namespace lesson_replay
