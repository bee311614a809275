// The figure library: table cells, coordinate planes, points and graphs,
// arrows and slope triangles, line geometry, angle labels and marks, segment
// marks, dotted arcs, grids and polygons. Like the shell, every routine is a
// member without arguments working on the program-wide values.
#pragma once

#include "framework/shell/shell.hpp"

namespace figures {

class Figures : public shell::Shell {
public:
    // ---- table cells -------------------------------------------------------------
    void TABLE_CELL();
    void TABLE_CELL_RAISED();
    void TABLE_CELL_TWO_LINES();
    void COMPACT_CELL();
    void COMPACT_CELL_2ROW();
    void MEASURE_COMPACT();

    // ---- coordinate plane, points and graphs -----------------------------------------
    void DRAW_AXES();
    void AXIS_DECIMAL_LABELS();
    // How far AXIS_DECIMAL_LABELS raises a y-axis value above the place
    // centred on its grid line, in pixels: a setting of the program, not of
    // a scene. 4 puts the values where DRAW_AXES writes its grid-step
    // numbers; a program whose values stand lower sets it once at start.
    float DECIMAL_Y_LABEL_RAISE = 4;
    void PLOT_POINT();
    void PLOT_GRAPH();
    void PLOT_CURVE();
    void GRAPH_VERTICAL_LINE();

    // ---- arrows and slope triangles ------------------------------------------------------
    void DRAW_ARROW();
    void SLOPE_TRIANGLE();
    void SLOPE_RUN_LABEL();
    void SLOPE_RISE_LABEL();

    // ---- line geometry -------------------------------------------------------------------
    void PERPENDICULAR_FOOT();
    void LINE_INTERSECTION();
    void LINE_POINT();

    // ---- angle directions, labels and marks ------------------------------------------------
    void RAY_ANGLES();
    void ANGLE_DEGREES();
    void LABEL_ANGLE();
    void ANGLE_ARC_MARK();
    void RIGHT_ANGLE_MARK();

    // ---- segment marks and dotted arcs ------------------------------------------------------
    void SEGMENT_CHEVRONS();
    void EQUAL_TICKS();
    void DOTTED_ARC();
    void POINT_ANGLE();
    void ARC_POINT();

    // ---- grid and polygons -------------------------------------------------------------------
    void DRAW_GRID();
    void DRAW_POLYGON();
    void LABEL_VERTICES_LETTERS();
    void LABEL_VERTICES_LIST();
};

}  // namespace figures
