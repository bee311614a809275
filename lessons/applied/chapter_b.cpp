// Chapter problems B.
#include "applied_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void AppliedLesson::CHAPTER_B_MENU() {}

}  // namespace lessons
