// Table, formula and graph.
#include "direct_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void DirectLesson::TOPIC_TABLE_FORMULA_GRAPH() {}

}  // namespace lessons
