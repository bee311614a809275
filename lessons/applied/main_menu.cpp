// The main menu of lesson_applied: the outer loop of the program.
#include "applied_lesson.hpp"

namespace lessons {

void AppliedLesson::APPLIED_MAIN_MENU() {
    KAIX = 1056;
    KAIY = 648;
    for (;;) {
        switch (main_menu_choice({"1　待ち時間の予想", "2　スライドショー", "3　比例のグラフの利用",
                                  "4　P150 章の問題A", "5　P151 章の問題B", "6　終了"},
                                 6)) {
            case 1:
                QUEUE_TOPIC();
                break;
            case 2:
                SLIDESHOW_MENU();
                break;
            case 3:
                RACE_MENU();
                break;
            case 4:
                CHAPTER_A_MENU();
                break;
            case 5:
                CHAPTER_B_MENU();
                break;
            case 6:
                return;
        }
    }
}

}  // namespace lessons
