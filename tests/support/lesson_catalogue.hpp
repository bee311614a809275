// The four lesson programs as the tools and the walk test see them: how to
// make each, and the shape of its menus (how many choices each main-menu
// item's bar offers, its last choice leading back to the main menu).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/platform/screen.hpp"
#include "framework/shell/program.hpp"
#include "lessons/applied/applied_lesson.hpp"
#include "lessons/direct/direct_lesson.hpp"
#include "lessons/functions/functions_lesson.hpp"
#include "lessons/inverse/inverse_lesson.hpp"

namespace catalogue {

struct Program {
    std::string name;
    shell::LessonFactory make;
    // Per main-menu item 1, 2, ...: the number of choices of its bar, the
    // last one leading back; 0 for an item that only brings the menu back.
    std::vector<int> bar_choices;
    int quit_item = 0;
    // Choices (item, choice) before the last that lead to the main menu too.
    std::vector<std::pair<int, int>> also_to_menu = {};

    bool leads_to_menu(int item, int choice) const {
        if (choice == bar_choices[item - 1]) return true;
        for (const auto& [i, c] : also_to_menu)
            if (i == item && c == choice) return true;
        return false;
    }
};

template <class Lesson>
shell::LessonFactory factory() {
    return [] { return std::make_unique<Lesson>(); };
}

inline const std::vector<Program>& programs() {
    static const std::vector<Program> all = {
        {"lesson_functions", factory<lessons::FunctionsLesson>(), {3, 4, 4, 2, 5, 5, 3}, 8},
        {"lesson_direct", factory<lessons::DirectLesson>(), {7, 5, 8, 5, 4, 0}, 7},
        {"lesson_inverse", factory<lessons::InverseLesson>(), {7, 8, 5, 4, 4}, 6, {{4, 3}}},
        {"lesson_applied", factory<lessons::AppliedLesson>(), {6, 4, 2, 5, 3}, 6},
    };
    return all;
}

// The number field's label: drawn wherever a number is asked for, the main
// menu's prompt and every bar, so its return ends a scene.
inline bool is_field_label(const rt::DrawOp& op) {
    return op.kind == rt::DrawOp::Kind::Text && op.text == "入" && op.x1 == 1008 && op.y1 == 648;
}

// Keys that move any scene on to its end: a key for every key wait, "1" and
// Enter for a drill's "next step" prompt and for the moving point, Enter for
// the arrow-key figures.
inline std::string walk_keys(int rounds) {
    std::string keys;
    for (int i = 0; i < rounds; ++i) keys += "1{enter}";
    return keys;
}

}  // namespace catalogue
