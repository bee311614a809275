// The graph of y=a/x.
#include "inverse_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void InverseLesson::INV_GRAPH_TOPIC() {}

}  // namespace lessons
