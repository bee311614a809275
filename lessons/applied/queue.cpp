// The waiting line.
#include "applied_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void AppliedLesson::QUEUE_TOPIC() {}

}  // namespace lessons
