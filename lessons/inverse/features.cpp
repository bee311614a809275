// The features of y=ax and y=a/x.
#include "inverse_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void InverseLesson::INV_FEATURES_TOPIC() {}

}  // namespace lessons
