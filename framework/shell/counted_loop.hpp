// The counted loop of the lessons: the counter starts at `first`, the body
// runs once before the first end test, and the end value is the one given at
// the start, so a loop from 1 to 0 runs once and an end of 2.5 gives two
// passes. The counter is left one step past the last pass. A counter so large
// that a step of 1 no longer changes it ends the loop instead of spinning.
#pragma once

namespace shell {

template <class Body>
void count_loop(float& counter, float first, float last, Body body) {
    counter = first;
    do {
        body();
        const float before = counter;
        counter = counter + 1;
        if (counter == before) return;
    } while (counter <= last);
}

}  // namespace shell
