// The main menu of lesson_functions and a drawing shape its scenes share.
#include <vector>

#include "framework/platform/screen.hpp"
#include "functions_lesson.hpp"

namespace lessons {

// ---- main menu ----------------------------------------------------------------

void FunctionsLesson::FUNCTIONS_MAIN_MENU() {
    KAIX = 1056;
    KAIY = 648;
    for (;;) {
        const int item =
            main_menu_choice({"1　プール・定義", "2　変域", "3　2つの数量の関係", "4　シュレッダー",
                              "5　比例", "6　反比例", "7　P122 基本の問題", "8　終了"},
                             8);
        switch (item) {
            case 1:
                POOL_MENU();
                break;
            case 2:
                DOMAIN_MENU();
                break;
            case 3:
                RELATION_MENU();
                break;
            case 4:
                SHREDDER_MENU();
                break;
            case 5:
                PROPORTION_MENU();
                break;
            case 6:
                INVERSE_MENU();
                break;
            case 7:
                BASIC_PROBLEMS_MENU();
                break;
            case 8:
                return;
        }
    }
}

// ---- shapes the scenes share ------------------------------------------------------

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
