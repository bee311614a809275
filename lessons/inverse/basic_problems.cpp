// The basic problems of p.143.
#include "inverse_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void InverseLesson::INV_BASIC_PROBLEMS_MENU() {}

}  // namespace lessons
