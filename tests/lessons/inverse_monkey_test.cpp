// Random keys through the whole of lesson_inverse: items of every topic and its bar.
#include "lessons/inverse/inverse_lesson.hpp"
#include "monkey.hpp"

namespace {

TEST(InverseMonkey, RandomKeysNeverFailNorHang) {
    lesson_replay::run_monkey<lessons::InverseLesson>("INVERSE", "111222333444555612345678900");
}

}  // namespace
