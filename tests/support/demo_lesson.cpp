// A small program that the tests and the snapshot tool run before and beside
// the lessons: it writes a line of text, waits for keys, and raises a
// run-time error on "e" (a division by zero), so that the error screen can be
// seen.
#include "demo_lesson.hpp"

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"

namespace demo {

void DemoLesson::MAIN_MENU_ENTRY() {
    rt::BOX(0, 0, 1440, 900, rt::kWhite, rt::kWhite);
    rt::SYMBOL(100, 100, "比例と反比例 y=6/x", 1, 1, 0);
    for (;;) {
        std::string key;
        while ((key = rt::INKEY()).empty()) {
        }
        if (key == "q") return;
        if (key == "e") B = rt::DIV(1, B);
        rt::SYMBOL(100, 140, "key " + key, 1, 1, 3);
    }
}

}  // namespace demo
