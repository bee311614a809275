// The basic problems of p.134.
#include "direct_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void DirectLesson::TOPIC_BASIC_PROBLEMS() {}

}  // namespace lessons
