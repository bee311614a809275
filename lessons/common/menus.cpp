// The main-menu panel and the sub-menu bar that every lesson program loops on.
#include "framework/platform/numbers.hpp"
#include "lesson.hpp"

namespace lessons {

bool Lesson::whole_item(float value, int first, int last) {
    return value == rt::INT(value) && value >= first && value <= last;
}

int Lesson::main_menu_choice(std::initializer_list<const char*> items, int quit_item) {
    for (;;) {
        CLEAR_WORK_AREA();
        rt::BOX(0, 0, 1760, 1800, 15, 15);
        rt::BOX(22, 10, 22 + 1320, 10 + 600, 15, 10);
        CCC1 = 15;
        X = 264;
        Y = 30;
        MENU_HEADER();
        int item = 1;
        for (const char* text : items) {
            CCC1 = item % 2 == 1 ? 13 : 15;
            X = 44;
            Y = 120 + 60 * (item - 1);
            AA_S = text;
            TEXT_OUT();
            ++item;
        }
        CCC1 = 0;
        X = KAIX - 240;
        Y = KAIY;
        AA_S = "番号を入力して下さい。";
        PRINT_AA();
        PROMPT_INPUT();
        ERASE_PROMPT_LINE();
        if (AINP == quit_item) return quit_item;
        if (!whole_item(AINP, 1, static_cast<int>(items.size()))) continue;
        rt::BOX(0, 0, 1760, 1800, 15, 15);
        return static_cast<int>(AINP);
    }
}

int Lesson::submenu_choice(const std::string& bar_text, int items) {
    for (;;) {
        AA_S = bar_text;
        BOTTOM_INPUT();
        SENTAKU = AINP;
        after_bar_choice();
        CLEAR_BOTTOM_BAR();
        if (whole_item(SENTAKU, 1, items)) return static_cast<int>(SENTAKU);
    }
}

}  // namespace lessons
