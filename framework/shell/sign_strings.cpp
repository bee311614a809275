// Editing of the working text A$ in place: removal of the formula markup, of
// parentheses and plus signs, and the handling of a leading sign.
#include <string>

#include "framework/platform/text.hpp"
#include "shell.hpp"

namespace shell {

namespace {

// The byte position (from 1) of the first character of `text` that is the
// one-byte character `mark`; 0 when there is none. The search steps over
// two-byte characters whole, so the second byte of one never counts as a
// mark ("^", "ﾝ" and "ﾀ" share their codes with such bytes).
float first_char_position(const std::string& text, char mark) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const int bytes = rt::char_bytes(text, pos);
        if (bytes == 1 && text[pos] == mark) return static_cast<float>(pos + 1);
        pos += bytes;
    }
    return 0;
}

// Removes every character `mark` from `text`, searching again from the start
// after each removal; `position` keeps the byte position of the last removal
// and is untouched when the mark does not occur.
void remove_every(std::string& text, const char* mark, float& position) {
    for (;;) {
        const float found = first_char_position(text, mark[0]);
        if (found == 0) return;
        position = found;
        text = rt::LEFT(text, found - 1) + rt::MID(text, found + 1);
    }
}

}  // namespace

void Shell::STRIP_MARKUP() {
    remove_every(A_S, "^", TA1);
    remove_every(A_S, "ﾝ", TA2);
    remove_every(A_S, "ﾀ", TA3);
    remove_every(A_S, "=", TA3);
}

void Shell::STRIP_PARENS_PLUS() {
    remove_every(A_S, "(", TA1);
    remove_every(A_S, ")", TA2);
    remove_every(A_S, "+", TA3);
}

void Shell::NEGATE_SIGN() {
    LE = rt::KLEN(A_S);
    const std::string first = rt::LEFT(A_S, 1);
    if (first == "-") {
        A_S = "+" + rt::MID(A_S, 2);
    } else if (first == "+") {
        A_S = "-" + rt::MID(A_S, 2);
    } else if (!A_S.empty()) {
        A_S = "-" + A_S;
    }
}

void Shell::STRIP_PLUS() {
    LE = rt::KLEN(A_S);
    if (rt::LEFT(A_S, 1) == "+") A_S = rt::MID(A_S, 2);
}

void Shell::STRIP_SIGN() {
    LE = rt::KLEN(A_S);
    const std::string first = rt::LEFT(A_S, 1);
    if (first == "+" || first == "-") A_S = rt::MID(A_S, 2);
}

void Shell::PAREN_NEGATIVE() {
    TA1 = rt::INSTR(A_S, "-");
    if (TA1 != 0) A_S = "(" + A_S + ")";
}

}  // namespace shell
