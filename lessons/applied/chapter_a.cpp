// Chapter problems A.
#include "applied_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void AppliedLesson::CHAPTER_A_MENU() {}

}  // namespace lessons
