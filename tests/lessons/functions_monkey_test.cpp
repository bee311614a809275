// Random keys through the whole of lesson_functions (items of every topic and
// its bar, proportion, inverse proportion and the basic problems included).
#include "functions_replay.hpp"
#include "monkey.hpp"

namespace {

TEST(FunctionsMonkey, RandomKeysNeverFailNorHang) {
    lesson_replay::run_monkey<lessons::FunctionsLesson>("FUNCTIONS",
                                                        "11122233344455566677712345679008");
}

}  // namespace
