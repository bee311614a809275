// Random keys through the whole of lesson_applied: items of every topic and its bar.
#include "lessons/applied/applied_lesson.hpp"
#include "monkey.hpp"

namespace {

TEST(AppliedMonkey, RandomKeysNeverFailNorHang) {
    lesson_replay::run_monkey<lessons::AppliedLesson>("APPLIED", "11122233344455561234567100");
}

}  // namespace
