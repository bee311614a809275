// The race read off two graphs.
#include "applied_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void AppliedLesson::RACE_MENU() {}

}  // namespace lessons
