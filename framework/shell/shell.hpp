// The lesson shell: start-up and the error screen, the prompt bar, key waits
// and number entry, plain and formula text, and the number and string
// routines. Every routine is a member without arguments that reads and
// writes the program-wide values of `Values`.
#pragma once

#include <string>

#include "framework/platform/errors.hpp"
#include "values.hpp"

namespace shell {

class Shell : public Values {
public:
    virtual ~Shell() = default;

    // ---- start-up and the error screen ----------------------------------------
    // Runs start-up, then the lesson's main menu; returns when the learner
    // quits from it.
    void START_SETTINGS();
    void RESEED_FROM_CLOCK();
    // Draws the error line for `error` on a cleared window and holds it until
    // the window is closed.
    void ERROR_HANDLER(const rt::RuntimeError& error);

    // ---- prompt bar, key waits and screen regions -------------------------------
    void PROMPT_INPUT();
    void ERASE_PROMPT_LINE();
    void BOTTOM_INPUT();
    void CLEAR_BOTTOM_BAR();
    void BOTTOM_MESSAGE_WAIT();
    void NEXT_STEP_INPUT();
    void WAIT_KEY();
    void CLEAR_WORK_AREA();
    void ERASE_RIGHT_STRIP();
    void FLUSH_KEYS();

    // ---- number entry ----------------------------------------------------------
    void INPUT_NUMBER();
    void INPUT_NUMBER_KEYS();
    void PARSE_INPUT();

    // ---- full-width conversion and plain character output ---------------------
    void CONVERT_WIDE();
    void STRIP_SPACES();
    void DRAW_CHARS();
    void PRINT_AA();

    // ---- formula text -------------------------------------------------------------
    void TEXT_OUT();
    // The main menu's header: "＜" + TITLE$ + "　メニュー＞" at (X, Y) in CCC1,
    // the title's letters as plain text.
    void MENU_HEADER();
    void MEASURE_TEXT();
    void DRAW_FRACTION();
    void RENDER_GLYPHS();
    void PRINT_COMPACT();

    // ---- fraction, number and string routines ----------------------------------
    void REDUCE_FRACTION();
    void GCD_LCM();
    void ADD_FRACTIONS();
    void FORMAT_TABLE_ARRAYS();
    void KEY_CLASSIFY();
    void STRIP_MARKUP();
    void STRIP_PARENS_PLUS();
    void NEGATE_SIGN();
    void STRIP_PLUS();
    void STRIP_SIGN();
    void PAREN_NEGATIVE();
    void SIMPLIFY_ROOT();
    void PRIME_FACTORS();
    void DIVISOR_PAIRS();
    void DRAW_BRACE();
    void COLUMN_CALC_LAYOUT();

    // The number-to-text result of a single with every blank removed, made
    // the way the routines make their number texts: stored in A$ and passed
    // through STRIP_SPACES (A$ is left holding the text).
    std::string stripped_text_of(float value);

    // The lesson program's title (TITLE$): its name, also the window's title.
    virtual std::string program_title() const = 0;

protected:
    // The lesson program's main menu.
    virtual void MAIN_MENU_ENTRY() = 0;
};

}  // namespace shell
