// lesson_applied: problems of daily life solved with proportion and inverse proportion,
// and the chapter's review problems.
#pragma once

#include <string>

#include "lessons/common/lesson.hpp"

namespace lessons {

class AppliedLesson : public Lesson {
public:
    // The main menu: the program's first lesson step; returns when the
    // learner quits.
    void APPLIED_MAIN_MENU();

    // The topic entries the main menu starts.
    void QUEUE_TOPIC();     // the waiting line
    void SLIDESHOW_MENU();  // the slide show
    void RACE_MENU();       // the race read off two graphs
    void CHAPTER_A_MENU();  // chapter problems A
    void CHAPTER_B_MENU();  // chapter problems B

protected:
    std::string program_title() const override { return "lesson_applied"; }
    void MAIN_MENU_ENTRY() override { APPLIED_MAIN_MENU(); }

    // ==== topics 1 and 2: the waiting line; the slide show ====
    // (their scenes, helpers and own values)

    // ==== topics 3 to 5: the race; chapter problems A and B ====
    // (their scenes, helpers and own values)
};

}  // namespace lessons
