// Table texts: every number a lesson keeps in T(), F(), U() and V() turned
// into the text its sentences and table cells show, and the classification of
// the last key read.
#include <array>
#include <string>

#include "counted_loop.hpp"
#include "framework/platform/numbers.hpp"
#include "shell.hpp"

namespace shell {

namespace {

// The keys that KEY_CLASSIFY knows, in the order of comparison; the number of
// a key is its place in the list, from 1.
constexpr std::array<const char*, 10> kClassifiedKeys = {"Q", "W", "E", "R", "T",
                                                         "@", "I", "[", "]", "S"};

}  // namespace

void Shell::FORMAT_TABLE_ARRAYS() {
    count_loop(I, 1, 80, [&] { T_A_S(I) = stripped_text_of(T_A(I)); });
    count_loop(I, 1, 40, [&] { F_A_S(I) = stripped_text_of(F_A(I)); });
    count_loop(I, 0, 20, [&] {
        U_A_S(I) = stripped_text_of(U_A(I));
        V_A_S(I) = stripped_text_of(V_A(I));
    });
    KEY_CLASSIFY();
}

void Shell::KEY_CLASSIFY() {
    for (std::size_t k = 0; k < kClassifiedKeys.size(); ++k) {
        if (I_S == kClassifiedKeys[k]) {
            FKIG = 1;
            HHKIG = static_cast<float>(k + 1);
            I_S = kClassifiedKeys[k];
            return;
        }
    }
    FKIG = 0;
}

}  // namespace shell
