// The main menu of lesson_direct: the outer loop of the program.
#include "direct_lesson.hpp"

namespace lessons {

void DirectLesson::PROPORTION_MAIN_MENU() {
    KAIX = 1056;
    KAIY = 648;
    for (;;) {
        switch (
            main_menu_choice({"1　比例(a<0・a求め)", "2　座標", "3　比例のグラフ",
                              "4　比例の表・式・グラフ", "5　P134 基本の問題", "6　", "7　終了"},
                             7)) {
            case 1:
                TOPIC_NEGATIVE_AND_FIND_A();
                break;
            case 2:
                TOPIC_COORDINATES();
                break;
            case 3:
                TOPIC_GRAPH();
                break;
            case 4:
                TOPIC_TABLE_FORMULA_GRAPH();
                break;
            case 5:
                TOPIC_BASIC_PROBLEMS();
                break;
            case 6:
                break;  // an empty item: the menu only comes back
            case 7:
                return;
        }
    }
}

}  // namespace lessons
