// The prompt bar, the key waits and the standard screen regions. The lessons
// never place a prompt, a key wait or an erase of these regions themselves:
// they call these routines, which draw at fixed places near the bottom of the
// screen and around the number field at (KAIX, KAIY).
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

// Every erase is a box with border and fill in the background white.
void white_box(float x1, float y1, float x2, float y2) {
    rt::BOX(x1, y1, x2, y2, rt::kWhite, rt::kWhite);
}

// Polls the keyboard until a key comes; no key that waits is discarded.
void wait_for_key(std::string& key) {
    do {
        key = rt::INKEY();
    } while (key.empty());
}

}  // namespace

// A main menu's prompt: AA$ ends five cells (80 px) left of the field, then a
// number is read into AINP$ and AINP. The prompt stays until
// ERASE_PROMPT_LINE.
void Shell::PROMPT_INPUT() {
    CCC1 = 5;
    X = KAIX - (rt::KLEN(AA_S) + 5) * 16;
    Y = KAIY;
    PRINT_AA();
    INPUT_NUMBER();
    PARSE_INPUT();
}

// The prompt line: the menu's prompt and the number field together.
void Shell::ERASE_PROMPT_LINE() {
    white_box(KAIX - 640, KAIY - 8, KAIX - 640 + 1056, KAIY - 8 + 50);
}

// A sub-menu bar: the bar text AA$ at the bottom left, then a number. The
// text stays until CLEAR_BOTTOM_BAR.
void Shell::BOTTOM_INPUT() {
    CCC1 = 0;
    X = 16;
    Y = 666;
    PRINT_AA();
    INPUT_NUMBER();
    PARSE_INPUT();
}

void Shell::CLEAR_BOTTOM_BAR() {
    white_box(0, 657, 992, 720);
}

// Shows the caller's message AA$ in a box in the bottom bar and waits for one
// key, left in I$. On its way out it clears the whole bottom bar. The text
// colour and the draw width are the caller's again on return.
void Shell::BOTTOM_MESSAGE_WAIT() {
    CCC0 = CCC1;
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());
    rt::SET_DRAW_WIDTH(3);
    rt::BOX(16, 657, 16 + 480, 657 + 36, 13, 4);
    CCC1 = 9;
    X = 48;
    Y = 666;
    PRINT_AA();
    wait_for_key(I_S);
    white_box(0, 657, 992, 720);
    CCC1 = CCC0;
    rt::SET_DRAW_WIDTH(rt::CINT(DR));
}

// The question at the end of a drill pass: reads a number next to the box
// "次のステップは１を入力。". Gives back the draw width but not the colour.
void Shell::NEXT_STEP_INPUT() {
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());
    rt::SET_DRAW_WIDTH(2);
    rt::BOX(96, 639, 400, 675, 13, 12);
    CCC1 = 9;
    X = 128;
    Y = 648;
    AA_S = "次のステップは１を入力。";
    PRINT_AA();
    INPUT_NUMBER();
    PARSE_INPUT();
    white_box(KAIX - 48, KAIY - 9, KAIX - 48 + 160, KAIY - 9 + 27);
    white_box(96, 639, 400, 675);
    rt::SET_DRAW_WIDTH(rt::CINT(DR));
}

// The pause between two steps of a scene: the box "何かキーを押して下さい。"
// until a key comes, left in I$. The scene's picture stays; the text colour
// and the draw width are the caller's again on return.
void Shell::WAIT_KEY() {
    CCC0 = CCC1;
    DR = static_cast<float>(rt::GET_DRAW_WIDTH());
    rt::SET_DRAW_WIDTH(3);
    rt::BOX(96, 657, 400, 693, 13, 4);
    CCC1 = 9;
    X = 128;
    Y = 666;
    AA_S = "何かキーを押して下さい。";
    PRINT_AA();
    wait_for_key(I_S);
    white_box(0, 657, 400, 693);
    CCC1 = CCC0;
    rt::SET_DRAW_WIDTH(rt::CINT(DR));
}

// The work area: everything below the title band.
void Shell::CLEAR_WORK_AREA() {
    white_box(0, 54, 1440, 900);
}

// A strip to the right of and above the number field; leaves the pen at its
// corner.
void Shell::ERASE_RIGHT_STRIP() {
    X = KAIX + 80;
    Y = KAIY - 72;
    white_box(X, Y, X + 1440, Y + 90);
}

// Discards the keys that wait; never waits for one.
void Shell::FLUSH_KEYS() {
    do {
        I_S = rt::INKEY();
    } while (!I_S.empty());
}

}  // namespace shell
