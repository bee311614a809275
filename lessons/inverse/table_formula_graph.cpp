// Table, formula and graph.
#include "inverse_lesson.hpp"

namespace lessons {

// Not built yet: the menu comes straight back.
void InverseLesson::INV_TABLE_FORMULA_GRAPH_TOPIC() {}

}  // namespace lessons
