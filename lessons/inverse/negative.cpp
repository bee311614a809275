// Negative values and finding a.
#include "inverse_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void InverseLesson::INV_NEGATIVE_TOPIC() {}

}  // namespace lessons
