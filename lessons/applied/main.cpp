#include <memory>

#include "applied_lesson.hpp"
#include "framework/shell/program.hpp"

int main(int argc, char** argv) {
    return shell::lesson_main(argc, argv,
                              [] { return std::make_unique<lessons::AppliedLesson>(); });
}
