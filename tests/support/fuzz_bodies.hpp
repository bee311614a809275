// What the fuzz targets run on one input, shared with the test that replays
// the kept inputs: the formula writer and text measuring on arbitrary bytes,
// and the number entry fed arbitrary keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/platform/screen.hpp"
#include "framework/platform/session.hpp"
#include "framework/shell/program.hpp"
#include "framework/shell/shell.hpp"

namespace fuzz_bodies {

// How one input ended. Anything but Ended is a fault: a run-time error of the
// program (its error screen) or drawing that never stops.
enum class Result { Ended, ErrorScreen, Hang };

inline Result result_of(const rt::RunResult& run) {
    switch (run.outcome) {
        case rt::Outcome::Ended: return Result::Ended;
        case rt::Outcome::ErrorScreen: return Result::ErrorScreen;
        case rt::Outcome::Hang: return Result::Hang;
    }
    return Result::Hang;
}

inline rt::SessionOptions headless_options(bool rasterise, const std::string& keys) {
    rt::SessionOptions options;
    options.headless = true;
    options.rasterise = rasterise;
    options.keys = keys;
    options.op_limit_without_key = 200'000;
    return options;
}

// The formula writer: the input (after its first byte) is written at the
// top left and measured; the first byte's lowest bit says whether the canvas
// is drawn on.
class FormulaPage : public shell::Shell {
public:
    std::string text;

protected:
    std::string program_title() const override { return "fuzz"; }
    void MAIN_MENU_ENTRY() override {
        X = 40;
        Y = 100;
        CCC1 = 0;
        AA_S = text;
        TEXT_OUT();
        A_S = text;
        MEASURE_TEXT();
    }
};

inline Result formula_text(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return Result::Ended;
    const bool rasterise = (data[0] & 1) != 0;
    auto run = shell::run_lesson(headless_options(rasterise, ""), [&] {
        auto page = std::make_unique<FormulaPage>();
        page->text.assign(reinterpret_cast<const char*>(data + 1), size - 1);
        return page;
    });
    return result_of(run);
}

// The number entry of the bottom bar, asked again and again until the keys
// run out.
class NumberField : public shell::Shell {
protected:
    std::string program_title() const override { return "fuzz"; }
    void MAIN_MENU_ENTRY() override {
        for (;;) {
            AA_S = "番号を入力して下さい。";
            BOTTOM_INPUT();
        }
    }
};

// Keys from bytes: below 128 a byte is its own key ("{" stands for Enter, as
// the key script cannot hold it); above, it picks one of the keys a learner
// types into the field, so that short inputs reach the interesting states.
inline std::string key_script(const std::uint8_t* data, std::size_t size) {
    static const char* const kKeys[] = {"0", "1", "2",  "3",   "4",      "5",     "6",      "7",
                                        "8", "9", "-",  ".",   "/",      "{enter}", "{bs}", "{del}",
                                        "{left}", "{right}", " ", "a"};
    std::string script;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b == '{') {
            script += "{enter}";
        } else if (b < 0x80) {
            script += static_cast<char>(b);
        } else {
            script += kKeys[b % (sizeof kKeys / sizeof kKeys[0])];
        }
    }
    return script;
}

inline Result number_entry_keys(const std::uint8_t* data, std::size_t size) {
    auto run = shell::run_lesson(headless_options(false, key_script(data, size)),
                                 [] { return std::make_unique<NumberField>(); });
    return result_of(run);
}

}  // namespace fuzz_bodies
