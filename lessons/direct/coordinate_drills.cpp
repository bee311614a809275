// The two drills on points of the coordinate plane and their random points.
// Drill 1 gives a point's coordinates and letters up to eight points, one
// of them the right one; drill 2 shows one point and then its coordinates. Each repeats
// until the learner enters 1; drill 2 follows drill 1, then the textbook.
#include "direct_lesson.hpp"
#include "framework/platform/numbers.hpp"

namespace lessons {

namespace {

// The elements of T() (for x) and F() (for y) that each variant chooses.
struct Elements {
    float t, f;
};
constexpr Elements kVariantsOf8[8] = {{1, 1}, {2, 1}, {3, 3}, {4, 3},
                                      {2, 2}, {1, 2}, {3, 4}, {4, 4}};
constexpr Elements kVariantsOf4[4] = {{1, 1}, {2, 1}, {2, 2}, {1, 2}};

}  // namespace

void DirectLesson::choose_point(float t_element, float f_element) {
    X_A(1) = T_A(t_element);
    Y_A(1) = F_A(f_element);
    X_S = "(" + T_A_S(t_element) + "," + F_A_S(f_element) + ")";
}

// (P, P1), (-P, P1), (P1, P), (-P1, P), (-P, -P1), (P, -P1), (P1, -P),
// (-P1, -P) for variants 1 to 8, drawn with no rule against repeats.
void DirectLesson::GEN_RANDOM_POINT_OF_8() {
    P = rt::INT(rt::RND() * 5 + 1);
    P1 = rt::INT(rt::RND() * 5 + 1);
    T_A(1) = P;
    F_A(1) = P1;
    T_A(2) = -P;
    F_A(2) = -P1;
    T_A(3) = P1;
    F_A(3) = P;
    T_A(4) = -P1;
    F_A(4) = -P;
    FORMAT_TABLE_ARRAYS();
    X = rt::INT(rt::RND() * 8 + 1);
    const Elements chosen = kVariantsOf8[static_cast<int>(X) - 1];
    choose_point(chosen.t, chosen.f);
}

// One point in each quadrant, variants 1 to 4. A variant equal to the last
// one kept in MAESU falls back to 1, and MAESU stays; so no quadrant but the
// first comes twice in a row.
void DirectLesson::GEN_RANDOM_POINT_OF_4() {
    P = rt::INT(rt::RND() * 5 + 1);
    P1 = rt::INT(rt::RND() * 5 + 1);
    T_A(1) = P;
    T_A(2) = -P;
    F_A(1) = P1;
    F_A(2) = -P1;
    FORMAT_TABLE_ARRAYS();
    X = rt::INT(rt::RND() * 4 + 1);
    if (X == MAESU) {
        X = 1;
    } else {
        MAESU = X;
    }
    const Elements chosen = kVariantsOf4[static_cast<int>(X) - 1];
    choose_point(chosen.t, chosen.f);
}

// Drill 1, then drill 2, then the textbook exercises. Both drills draw on
// one plane, its origin at (704, 364), one value per square.
void DirectLesson::DRILL_COORDINATES() {
    // A point of the plane: T() element t for x, F() element f for y.
    auto point = [&](float t, float f, float radius, float colour, const std::string& label) {
        // The letter 12 px left of and 60 px above the point.
        point_at(T_A(t), F_A(f), radius, colour, label, 8, -20);
    };
    // The answer: a larger dot on the chosen point, without a label.
    auto mark = [&](float colour) { point_at(X_A(1), Y_A(1), 15, colour); };

    AINP = 3;
    while (AINP != 1) {
        GEN_RANDOM_POINT_OF_8();
        white_box(0, 0, 1760, 1800);
        XI1 = 88;
        YI1 = 30;
        write_at(XI1 - 44, YI1, 0, "次の点はどれでしょう。");
        write_at(XI1, YI1 + 80, 3, X_S);
        plane_with_grid(440, 100, -6, 6, -6, 6, 44);
        point(1, 1, 12, 3, "A");
        point(2, 1, 12, 3, "B");
        point(2, 2, 12, 3, "C");
        point(1, 2, 12, 3, "D");
        // With P = P1 the second set would name the same four places again.
        if (T_A(1) != F_A(1)) {
            point(3, 3, 12, 3, "E");
            point(4, 3, 12, 3, "F");
            point(3, 4, 12, 3, "G");
            point(4, 4, 12, 3, "H");
        }
        WAIT_KEY();
        mark(5);
        NEXT_STEP_INPUT();
    }

    AINP = 3;
    while (AINP != 1) {
        GEN_RANDOM_POINT_OF_4();
        white_box(0, 0, 1760, 1800);
        XI1 = 88;
        YI1 = 30;
        write_at(XI1 - 44, YI1, 0, "次の点の座標をいいなさい。");
        plane_with_grid(440, 100, -6, 6, -6, 6, 44);
        mark(3);
        WAIT_KEY();
        write_at(XI1, YI1 + 80, 5, X_S);
        NEXT_STEP_INPUT();
    }

    WAIT_KEY();
    write_at(38, 550, 3, "教科書P127 問1");
    write_at(38, 600, 3, "問2 をしなさい。");
}

}  // namespace lessons
