// The slide show.
#include "applied_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void AppliedLesson::SLIDESHOW_MENU() {}

}  // namespace lessons
