#include <memory>

#include "framework/shell/program.hpp"
#include "inverse_lesson.hpp"

int main(int argc, char** argv) {
    return shell::lesson_main(argc, argv,
                              [] { return std::make_unique<lessons::InverseLesson>(); });
}
