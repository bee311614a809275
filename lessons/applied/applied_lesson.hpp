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
    // The waiting line's values: the people ahead of ゆのか in the picture
    // (the slide show counts its slides in it too), the label mode of the
    // person boxes (1: numbered, else "人") and, with XI3, the pen right of
    // ゆのか's box or of a question.
    float KK = 0;
    float YOSOU = 0;
    float YI3 = 0;

    // queue.cpp: the waiting line at the shop
    void QUEUE_AIM();
    void QUEUE_SCENE_SETUP();
    void QUEUE_MENU();
    void DRAW_QUEUE();
    void QUEUE_DEMO();
    void QUEUE_MANUAL();
    void QUEUE_PREDICT_ANSWER();
    void QUEUE_ASSUMPTION_SCENE();
    void QUEUE_TIME_SCENE();
    // The line moving on by one person per frame, paced by the fixed wait or
    // by a key, down to its end picture.
    void queue_moves(bool by_key);
    // The shop box of the current row.
    void queue_shop();

    // slideshow.cpp: the slide show and the relation a=bc
    void SLIDESHOW_AIM();
    void SLIDESHOW_ANIMATION();
    void SLIDESHOW_P147_SCENE();
    void SLIDESHOW_RELATION_SCENE();
    void SLIDESHOW_Q1_ANSWER_SCENE();
    // (their scenes, helpers and own values)

    // ==== topics 3 to 5: the race; chapter problems A and B ====
public:
    // This program's y-axis value labels stand half their height above
    // their grid line, 4 px lower than the figures' default.
    AppliedLesson() { DECIMAL_Y_LABEL_RAISE = 0; }

protected:
    float PP = 0;  // moving point: P's distance from B in cells, 0 to 10

    void RACE_AIM();
    void RACE_GRAPH_SCENE();
    void race_graph(float speed, const std::string& label);
    void race_crossing(float minutes, int index);

    void CHAPTER_A_ANSWERS_1_3();
    void CHAPTER_A_ANSWER_4();
    void CHAPTER_A_ANSWER_5();
    void CHAPTER_A_ANSWER_6();
    void CHAPTER_B_PROBLEM_1();
    void MOVING_POINT_FIGURE();
    void moving_point_rectangle();
    void moving_point_triangle();
    void CHAPTER_B_PROBLEM_2();

    // The chapter pages: framed cells after which the pen (XI2, YI1) stands
    // at the cell's right edge, like after a text, so that a badge or a
    // first row can start there.
    void page_cell(float x, float y, float width, float height, const std::string& text,
                   float text_colour, float border, float fill);
};

}  // namespace lessons
