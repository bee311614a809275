// Negative values and finding a.
#include "direct_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void DirectLesson::TOPIC_NEGATIVE_AND_FIND_A() {}

}  // namespace lessons
