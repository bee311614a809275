// Replaying keys through lesson_functions: the whole program, or a probe that
// runs some of its routines in place of the main menu.
#pragma once

#include "lesson_replay.hpp"
#include "lessons/functions/functions_lesson.hpp"

namespace functions_replay {

using namespace lesson_replay;

inline Replay replay_program(const std::string& keys) {
    return lesson_replay::replay_program<lessons::FunctionsLesson>(keys);
}

class Probe : public ProbeOf<lessons::FunctionsLesson> {
public:
    using FunctionsLesson::GX11_S;
    using FunctionsLesson::GX1_S;
    using FunctionsLesson::GX21_S;
    using FunctionsLesson::GX2_S;
    using FunctionsLesson::GX3_S;
    using FunctionsLesson::NUMBER_LINE_INTERVAL;
    using FunctionsLesson::NUMBER_LINE_RAY;
    using FunctionsLesson::NUMBER_LINE_SLIDER_DRAW;
    using FunctionsLesson::NUMBER_LINE_SLIDER_KEYS;
    using FunctionsLesson::POOL_AIM_AND_GEOMETRY;
    using FunctionsLesson::POOL_FILL_ANIMATION_TIMED;
    using FunctionsLesson::SHREDDER_SCENE;
};

inline Replay replay_probe(const std::string& keys, std::function<void(Probe&)> body) {
    return lesson_replay::replay_probe<Probe>(keys, body);
}

}  // namespace functions_replay
