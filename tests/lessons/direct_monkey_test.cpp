// Random keys through the whole of lesson_direct: items of every topic and its bar.
#include "lessons/direct/direct_lesson.hpp"
#include "monkey.hpp"

namespace {

TEST(DirectMonkey, RandomKeysNeverFailNorHang) {
    lesson_replay::run_monkey<lessons::DirectLesson>("DIRECT", "1112223334445556712345678900");
}

}  // namespace
