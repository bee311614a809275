// The main menu of lesson_inverse: the outer loop of the program.
#include "inverse_lesson.hpp"

namespace lessons {

void InverseLesson::MAIN_MENU() {
    KAIX = 1056;
    KAIY = 648;
    for (;;) {
        switch (main_menu_choice(
            {"1　反比例(a<0・a求め)", "2　反比例のグラフ", "3　反比例の表・式・グラフ",
             "4　P143 基本の問題", "5　比例と反比例の特徴", "6　終了"},
            6)) {
            case 1:
                INV_NEGATIVE_TOPIC();
                break;
            case 2:
                INV_GRAPH_TOPIC();
                break;
            case 3:
                INV_TABLE_FORMULA_GRAPH_TOPIC();
                break;
            case 4:
                INV_BASIC_PROBLEMS_MENU();
                break;
            case 5:
                INV_FEATURES_TOPIC();
                break;
            case 6:
                return;
        }
    }
}

}  // namespace lessons
