// The main menu of lesson_functions, the sub-menu bar every topic loops on,
// and the small drawing shapes the scenes of the topics share.
#include <array>
#include <vector>

#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

namespace {

// A typed value chooses an item only when it is a whole number in range: a
// decimal or a fraction such as "4/2" is treated like any other value out of
// range, so the typed text never picks an item that its value does not name.
bool whole_item(float value, int first, int last) {
    return value == rt::INT(value) && value >= first && value <= last;
}

}  // namespace

// ---- main menu ----------------------------------------------------------------

void FunctionsLesson::FUNCTIONS_MAIN_MENU() {
    static const std::array<const char*, 8> kItems = {
        "1　プール・定義", "2　変域",  "3　2つの数量の関係", "4　シュレッダー",
        "5　比例",         "6　反比例", "7　P122 基本の問題", "8　終了",
    };
    KAIX = 1056;
    KAIY = 648;
    for (;;) {
        CLEAR_WORK_AREA();
        rt::BOX(0, 0, 1760, 1800, 15, 15);
        rt::BOX(22, 10, 22 + 1320, 10 + 600, 15, 10);
        CCC1 = 15;
        X = 264;
        Y = 30;
        MENU_HEADER();
        for (int item = 1; item <= 8; ++item) {
            CCC1 = item % 2 == 1 ? 13 : 15;
            X = 44;
            Y = 120 + 60 * (item - 1);
            AA_S = kItems[item - 1];
            TEXT_OUT();
        }
        CCC1 = 0;
        X = KAIX - 240;
        Y = KAIY;
        AA_S = "番号を入力して下さい。";
        PRINT_AA();
        PROMPT_INPUT();
        ERASE_PROMPT_LINE();
        if (AINP == 8) return;
        if (!whole_item(AINP, 1, 8)) continue;
        rt::BOX(0, 0, 1760, 1800, 15, 15);
        switch (static_cast<int>(AINP)) {
            case 1: POOL_MENU(); break;
            case 2: DOMAIN_MENU(); break;
            case 3: RELATION_MENU(); break;
            case 4: SHREDDER_MENU(); break;
            case 5: PROPORTION_MENU(); break;
            case 6: INVERSE_MENU(); break;
            case 7: BASIC_PROBLEMS_MENU(); break;
        }
    }
}

// ---- the sub-menu bar ----------------------------------------------------------

int FunctionsLesson::submenu_choice(const std::string& bar_text, int items) {
    for (;;) {
        AA_S = bar_text;
        BOTTOM_INPUT();
        SENTAKU = AINP;
        AINP = 10;
        CLEAR_BOTTOM_BAR();
        // Anything else asks again, the page above the bar untouched.
        if (whole_item(SENTAKU, 1, items)) return static_cast<int>(SENTAKU);
    }
}

void FunctionsLesson::run_bar(const std::string& bar_text, std::initializer_list<Scene> scenes) {
    const int items = static_cast<int>(scenes.size()) + 1;
    for (;;) {
        const int item = submenu_choice(bar_text, items);
        if (item == items) return;
        (this->*scenes.begin()[item - 1])();
    }
}

// ---- shapes the scenes share ------------------------------------------------------

void FunctionsLesson::write_at(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
    XI2 = X;
    YI1 = Y;
}

void FunctionsLesson::write_on(float colour, const std::string& text) {
    write_at(XI2, YI1, colour, text);
}

void FunctionsLesson::label_at(float x, float y, float colour, const std::string& text) {
    CCC1 = colour;
    X = x;
    Y = y;
    AA_S = text;
    TEXT_OUT();
}

void FunctionsLesson::white_box(float x, float y, float w, float h) {
    rt::BOX(x, y, x + w, y + h, 15, 15);
}

void FunctionsLesson::aim_page(float indent, const std::string& aim) {
    XI1 = 44;
    YI1 = 240;
    write_at(XI1, YI1, 3, "<めあて>");
    write_at(XI1 + indent, YI1 + 65, 0, aim);
}

void FunctionsLesson::table_cell_at(float x, float y, float width, float height,
                                    const std::string& text, float text_colour, float border,
                                    float fill) {
    X = x;
    Y = y;
    HABA = width;
    TATE = height;
    A_S = text;
    CCC1 = text_colour;
    CCC2 = border;
    CCC3 = fill;
    TABLE_CELL();
}

void FunctionsLesson::polygon_by_steps(float x, float y, std::initializer_list<rt::Point> steps,
                                       int border, int fill) {
    std::vector<rt::Point> points{{x, y}};
    for (const rt::Point& step : steps) {
        x += step.x;
        y += step.y;
        points.push_back({x, y});
    }
    rt::POLYLINE(points, border, fill);
}

}  // namespace lessons
