// What every lesson program shares: the main-menu panel, the sub-menu bar
// loop, the aims page, the scene pen and its cells, the arrow-key prompt and
// the small figure shapes (an invisible frame, its points, a four-sided
// outline and dotted length marks). Each program's class builds on this one.
#pragma once

#include <initializer_list>
#include <string>

#include "framework/figures/figures.hpp"
#include "framework/platform/screen.hpp"
#include "framework/shell/counted_loop.hpp"

namespace lessons {

using shell::count_loop;

class Lesson : public figures::Figures {
public:
    // A typed value chooses an item only when it is a whole number in range.
    // A decimal is out of range; a fraction chooses by its value, so "4/2"
    // picks item 2 and "3/2" (1.5) picks nothing.
    static bool whole_item(float value, int first, int last);

    // One pass of a main menu, repeated until the entry names an item: the
    // white page, the panel with the header "＜" + title + "　メニュー＞" and
    // the numbered items (odd ones in colour 13, even ones in 15), the prompt
    // "番号を入力して下さい。" and the number field. Returns the item chosen;
    // for every item but `quit_item` the screen has been cleared white.
    int main_menu_choice(std::initializer_list<const char*> items, int quit_item);

    // One sub-menu bar at the bottom of the page: shows `bar_text`, reads a
    // number and returns the chosen item 1..items, asking again for anything
    // else with the page above the bar untouched. Sets SENTAKU and CCC1.
    int submenu_choice(const std::string& bar_text, int items);

    // A topic's bar loop: offers `bar_text`, runs scene k for item k and comes
    // back to the bar; the item after the last scene returns (to the main menu).
    template <class Program>
    void run_bar(const std::string& bar_text, std::initializer_list<void (Program::*)()> scenes) {
        const int items = static_cast<int>(scenes.size()) + 1;
        for (;;) {
            const int item = submenu_choice(bar_text, items);
            if (item == items) return;
            (static_cast<Program*>(this)->*scenes.begin()[item - 1])();
        }
    }

protected:
    // A program whose bars leave AINP = 10 after reading a choice says so here.
    virtual void after_bar_choice() {}

    // ---- program-wide values of the lesson programs ------------------------------
    float IJ = 0;      // frame or step counter of a scene's own loop
    float FMAESU = 0;  // the constant of the drill's last problem, never reset
    float MAESU = 0;   // the variant of the drill's last problem, never reset

    // ---- the scene pen ------------------------------------------------------------
    // A text piece at (x, y) that becomes the current line (XI2, YI1 follow
    // it); a piece that goes on at (XI2, YI1); a label of a figure that leaves
    // the current line alone.
    void write_at(float x, float y, float colour, const std::string& text);
    void write_on(float colour, const std::string& text);
    void label_at(float x, float y, float colour, const std::string& text);
    // A white box erasing w by h pixels from (x, y).
    void white_box(float x, float y, float w, float h);
    // The aims page: "<めあて>" at (44, 240) in colour 3, the aim 65 px lower
    // and `indent` px further right. A page that stands on its own clears the
    // whole screen first.
    void aim_page(float indent, const std::string& aim, bool clear_first = false);
    // One framed table cell with its top left at (x, y).
    void table_cell_at(float x, float y, float width, float height, const std::string& text,
                       float text_colour, float border, float fill);
    // A page of textbook problems: the cleared page, the pen margins XI0 = 40,
    // XI1 = `indent`, YI1 = 30, draw width `draw_width`, and the header cell
    // naming the page at (40, 30), black on light pink; the pen follows the cell.
    void problems_page(const std::string& header, float width, float indent, float draw_width = 3,
                       float height = 48);
    // A problem's number badge: a cell 38 wide, colour 13 on fill 3 with
    // border 4, top left at (x, y); the pen follows it.
    void problem_badge(float x, float y, const std::string& number, float height = 44);
    // The arrow-key prompt of the interactive figures: 1 right, -1 left,
    // 0 Enter (other keys ask again). The key is left in I$.
    float arrow_key_step();

    // ---- figure shapes --------------------------------------------------------------
    // A coordinate plane with its top left at (ggx, ggy), x from aa1 to aa2
    // and y from bb1 to bb2, squares of `size` px worth one value each, the
    // grid switch `grid` (0: no grid) and the numbering switch `nasi`. The
    // scale is set to one value per square here too, so that a page never
    // depends on the scene shown before it.
    void plane(float ggx, float ggy, float aa1, float aa2, float bb1, float bb2, float size,
               float grid, float nasi);
    // A graph on the last plane: y = a/x (kind 1) or y = ax (kind 3), in
    // `colour`, with `label` at its last dot set off by (label_dx, label_dy).
    void graph_of(float kind, float a, float colour, const std::string& label = "",
                  float label_dx = 0, float label_dy = 0);
    // A filled dot at the value point (x, y) of the last plane, with `label`
    // set off by (label_dx, label_dy) from its place 20 px left of and 40 px
    // above the dot.
    void point_at(float x, float y, float radius, float colour, const std::string& label = "",
                  float label_dx = 0, float label_dy = 0);
    // A one-headed arrow from (x0, y0) to (x1, y1) in `colour`, its head 16
    // px long. DRAW_ARROW swaps its ends and clears MUKI, so every input is
    // set anew; YA (a second head when 2) is left as the scene set it.
    void arrow(float x0, float y0, float x1, float y1, float colour);
    // An invisible figure frame: DRAW_GRID with CCC2 = 15 sets GX0, GY0 only.
    void figure_frame(float ggx, float ggy, float yoko, float tate, float size);
    // Figure point `index` at grid (a, b), kept in X() and Y() and turned into
    // pixels of the current frame.
    void figure_point(int index, float a, float b);
    // The closed outline through four figure points, width 5, colour 0.
    void figure_quad(int p1, int p2, int p3, int p4);
    // A dotted length mark with its label over the side from point `from` to
    // point `to`; the label in colour 3, shifted `label_shift` px to the right.
    void length_mark(int from, int to, float houkou, float haba, float takasa,
                     const std::string& label, float dot_colour = 3, float label_shift = 0);
    // A rectangle `width` squares wide and 2 high in an invisible 4 by 3 frame
    // of 60 px squares with its corner at (ggx, ggy): points 5 to 8 its
    // corners, outlined at width 5, a length mark over the top side and one
    // left of the left side.
    void rectangle_with_length_marks(float ggx, float ggy, float width,
                                     const std::string& top_label, const std::string& left_label);
};

}  // namespace lessons
