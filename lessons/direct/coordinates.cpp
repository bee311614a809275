// Coordinates.
#include "direct_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void DirectLesson::TOPIC_COORDINATES() {}

}  // namespace lessons
