// The rectangle ABCD of 10 cm by 6 cm with the point P on BC and the shaded
// triangle ABP. Every key but "1" moves P one centimetre from B towards C
// (after C it comes back to B); "1" ends, and the figure is drawn once more
// with P at 8 cm and the lengths marked.
#include <vector>

#include "applied_lesson.hpp"
#include "framework/platform/screen.hpp"

namespace lessons {

namespace {
// Places in X(), Y(): the corners, where "ycm^2" goes, and the point P.
constexpr int kA = 1, kB = 2, kC = 3, kD = 4;
constexpr int kAreaLabel = 5;
constexpr int kP = 6;
}  // namespace

// The outline at width 5 and the letters A to D 10 px out from the corners.
void AppliedLesson::moving_point_rectangle() {
    CCC1 = 0;
    CCC2 = 0;
    KAKU = 4;
    SIZE1 = 5;
    NAGASA = 10;
    AAA_S = "A";
    DRAW_POLYGON();
}

// The triangle ABP filled in colour 13, P's dot and its letter.
void AppliedLesson::moving_point_triangle() {
    rt::SET_DRAW_WIDTH(5);
    rt::POLYLINE({{X_A(kA), Y_A(kA)}, {X_A(kB), Y_A(kB)}, {X_A(kP), Y_A(kP)}, {X_A(kA), Y_A(kA)}},
                 0, 13);
    rt::CIRCLE(X_A(kP), Y_A(kP), 6, 3, 0, 0, 3);
    label_at(X_A(kP) - 14, Y_A(kP) + 10, 3, "P");
}

// Leaves the final figure on screen, the draw width 5 and AINP = 1; the
// page's pen XI2, YI1 is not touched.
void AppliedLesson::MOVING_POINT_FIGURE() {
    // One cell is 1 cm: B, the origin of the cells, at (880, 280).
    figure_frame(880, 100, 10, 6, 30);
    figure_point(kA, 0, 6);
    figure_point(kB, 0, 0);
    figure_point(kC, 10, 0);
    figure_point(kD, 10, 6);
    for (int i = 1; i <= 4; ++i) {
        G_A(1, i) = X_A(i);
        G_A(2, i) = Y_A(i);
    }
    moving_point_rectangle();
    X_A(kAreaLabel) = X_A(kB) + SIZE;
    Y_A(kAreaLabel) = Y_A(kA) + 3.5f * SIZE;
    X_A(kP) = X_A(kB);
    Y_A(kP) = Y_A(kB);
    AINP = 3;
    PP = 0;

    // The erase box: a corner, a width and a height, reaching past the
    // letters and P's label.
    auto erase_figure = [&] { white_box(GX1 - 50, GY1 - 50, GX2 + 100, GY2 + 50); };
    while (AINP != 1) {
        moving_point_rectangle();
        moving_point_triangle();
        AA_S = "1で次へ、他のキーで動く";
        BOTTOM_MESSAGE_WAIT();
        if (I_S == "1") {
            AINP = 1;
        } else {
            erase_figure();
        }
        PP = PP + 1;
        if (PP > 10) PP = 0;
        X_A(kP) = X_A(kB) + SIZE * PP;
    }

    erase_figure();
    X_A(kP) = X_A(kB) + 8 * SIZE;
    moving_point_rectangle();
    moving_point_triangle();
    length_mark(kA, kB, 1, 6, -20, "6cm", 7, 27);
    length_mark(kB, kP, 1, 3, -20, "xcm", 7);
    length_mark(kA, kD, -1, 3, -20, "10cm", 7);
    label_at(X_A(kAreaLabel), Y_A(kAreaLabel), 3, "ycm^2");
}

}  // namespace lessons
