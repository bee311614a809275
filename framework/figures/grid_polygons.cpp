// Grids of squares and polygons with labelled vertices.
//
// DRAW_GRID lays out a frame of YOKO by TATE squares of SIZE pixels and
// publishes its corners; with the line colour CCC2 = 15 (the background) it
// only lays the frame out. DRAW_POLYGON outlines the polygon of the vertex
// table G() (G(1, i) the x, G(2, i) the y of vertex i) and labels its vertices
// with letters or with the texts of X$().
#include <functional>
#include <string>

#include "framework/figures/figures.hpp"
#include "framework/platform/numbers.hpp"
#include "framework/platform/screen.hpp"
#include "framework/platform/text.hpp"

namespace figures {

namespace {

// Sets the pen for the grid line II and gives its colour: every fifth line,
// counted from the bottom-left corner, is thick in the colour CCC3 (14); the
// others are thin in the line colour CCC2.
int set_grid_pen(Figures& f) {
    if (rt::MOD(f.II, 5) == 0) {
        rt::SET_DRAW_WIDTH(3);
        return rt::CINT(f.CCC3);
    }
    rt::SET_DRAW_WIDTH(1);
    return rt::CINT(f.CCC2);
}

// A polygon has 2 to 10 vertices, as many as the vertex table holds; KAKU is
// brought into that range and to a whole number, so that neither the outline
// nor the labels read past the vertices.
void clamp_vertex_count(Figures& f) {
    if (f.KAKU < 2) f.KAKU = 2;
    if (f.KAKU > 10) f.KAKU = 10;
    f.KAKU = rt::INT(f.KAKU);
}

// Labels vertex i = 1 .. KAKU with label(i), placed by LABEL_ANGLE opposite
// the bisector of the turn from the next vertex to the one after it, NAGASA1
// pixels out: outside a convex polygon listed counter-clockwise. `counter` is
// the program-wide loop counter the labeller is known to use; the count itself
// is kept here, out of reach of the text drawing.
void label_vertices(Figures& f, float& counter, const std::function<std::string(int)>& label) {
    clamp_vertex_count(f);
    const int count = static_cast<int>(f.KAKU);
    int i = 1;
    do {
        counter = static_cast<float>(i);
        int j = i + 1;
        int k = i + 2;
        if (j > count) j -= count;
        if (k > count) k -= count;
        f.ZX0 = f.G_A(1, i);
        f.ZY0 = f.G_A(2, i);
        f.ZX1 = f.G_A(1, j);
        f.ZY1 = f.G_A(2, j);
        f.ZX2 = f.G_A(1, k);
        f.ZY2 = f.G_A(2, k);
        f.ITI = -1;
        f.NAGASA = f.NAGASA1;
        f.AAA_S = label(i);
        f.LABEL_ANGLE();
        i = i + 1;
    } while (i <= count);
    counter = static_cast<float>(i);
}

// The runs of one-byte letters a vertex labelling counts through.
struct LetterRun {
    int first;
    int last;
};
constexpr LetterRun kLetterRuns[] = {{'A', 'Z'}, {'a', 'z'}, {'0', '9'}};

}  // namespace

// The frame: GX1, GY1 top left, GX2, GY2 right and bottom edges, GX0, GY0 the
// bottom-left corner from which a lesson counts grid points. Unless CCC2 is
// 15: CCC3 = 14, the vertical lines left to right, then the horizontal lines
// bottom to top, on the edges of the squares. The draw width is kept.
void Figures::DRAW_GRID() {
    const int entry_width = rt::GET_DRAW_WIDTH();
    DR = static_cast<float>(entry_width);
    GX1 = GGX;
    GY1 = GGY;
    GX2 = GX1 + SIZE * YOKO;
    GY2 = GY1 + SIZE * TATE;
    GX0 = GX1;
    GY0 = GY2;
    if (CCC2 != 15) {
        CCC3 = 14;
        const float columns = YOKO;
        II = 0;
        do {
            const int colour = set_grid_pen(*this);
            rt::LINE(GX1 + SIZE * II, GY1, GX1 + SIZE * II, GY2, colour);
            II = II + 1;
        } while (II <= columns);
        const float rows = TATE;
        II = 0;
        do {
            const int colour = set_grid_pen(*this);
            rt::LINE(GX1, GY2 - SIZE * II, GX2, GY2 - SIZE * II, colour);
            II = II + 1;
        } while (II <= rows);
    }
    rt::SET_DRAW_WIDTH(entry_width);
}

// The closed outline through the KAKU vertices of G() in colour CCC2 and width
// SIZE1, then the labels AAA$ asks for: "1" the texts of X$(), another text
// letters from its first character, empty none. AAA$ is left empty and the
// draw width as it was on entry, labels or not.
void Figures::DRAW_POLYGON() {
    const int entry_width = rt::GET_DRAW_WIDTH();
    DR = static_cast<float>(entry_width);
    clamp_vertex_count(*this);
    const float last = KAKU;
    II = 1;
    do {
        const float next = II == KAKU ? 1 : II + 1;
        rt::SET_DRAW_WIDTH(rt::CINT(SIZE1));
        rt::LINE(G_A(1, II), G_A(2, II), G_A(1, next), G_A(2, next), rt::CINT(CCC2));
        II = II + 1;
    } while (II <= last);
    NAGASA1 = NAGASA;
    if (AAA_S == "1") {
        LABEL_VERTICES_LIST();
    } else if (!AAA_S.empty()) {
        LABEL_VERTICES_LETTERS();
    }
    AAA_S = "";
    rt::SET_DRAW_WIDTH(entry_width);
    DR = static_cast<float>(entry_width);
}

// Vertex i gets the letter i - 1 places after the first character of AAA$
// ("A" gives A, B, C, ...). The letters stay within the run of capitals,
// small letters or digits that the first one belongs to, starting again at
// its beginning after its end ("Y" gives Y, Z, A, ...); a first character of
// no such run (a sign, a kana, a two-byte character) starts the labels at "A".
void Figures::LABEL_VERTICES_LETTERS() {
    const float first = AAA_S.empty() ? 0 : rt::ASC(AAA_S);
    LetterRun run = kLetterRuns[0];
    int start = 'A';
    for (const LetterRun& r : kLetterRuns) {
        if (first >= r.first && first <= r.last) {
            run = r;
            start = static_cast<int>(first);
        }
    }
    const int span = run.last - run.first + 1;
    label_vertices(*this, II, [&](int i) {
        const int code = run.first + (start - run.first + i - 1) % span;
        return rt::CHR(static_cast<float>(code));
    });
}

// Vertex i gets the text X$(i).
void Figures::LABEL_VERTICES_LIST() {
    label_vertices(*this, TII, [&](int i) { return X_A_S(static_cast<float>(i)); });
}

}  // namespace figures
