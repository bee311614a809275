// The program-wide values shared by the shell, the figures and the lessons.
//
// Every value of a lesson program is a named program-wide value: a single
// precision number that starts at 0, or a string that starts empty, or a
// fixed-size array of either. A name may stand for a number (X), a string
// (X$, spelled X_S), a number array (X(), spelled X_A) and a string array
// (X$(), spelled X_A_S) at once. The routines take their inputs and leave
// their results here; scratch values are shared, so a caller keeps nothing
// of its own in them across a call. Values that only one lesson uses live in
// that lesson's class.
#pragma once

#include <string>

#include "framework/platform/errors.hpp"

namespace shell {

struct Values {
    // ---- the arrays that start-up declares (indices 0 to the bound) -----------
    rt::Array<float, 80> T_A;              // drill numbers and table values
    rt::Array<std::string, 80> T_A_S;      // table texts of T()
    rt::Array<float, 40> F_A;              // a second set of lesson numbers
    rt::Array<std::string, 40> F_A_S;      // their texts
    rt::Array<float, 40> U_A;              // positions and numbers kept by the lessons
    rt::Array<float, 40> V_A;              // positions and numbers kept by the lessons
    rt::Array<std::string, 20> U_A_S;      // texts of U(0) to U(20)
    rt::Array<std::string, 20> V_A_S;      // texts of V(0) to V(20)
    rt::Array<float, 50> X_A;              // x values of tables and graph points; divisor pairs
    rt::Array<float, 50> Y_A;              // y values of tables and graph points; divisor pairs
    rt::Array<std::string, 40> X_A_S;      // vertex labels of a polygon
    rt::Array<std::string, 40> Y_A_S;      // texts of the lesson topics
    rt::Array2<float, 2, 10> G_A;          // polygon vertices G(1,i) x, G(2,i) y; prime factors
    rt::Array<float, 10> R_A;              // the table of primes

    // ---- named values, alphabetical -------------------------------------------
    float A = 0;  // random seed left by start-up; scratch number
    std::string A_S;  // scratch text; a number text to strip
    float A1 = 0;  // scratch value shared between routines
    std::string A1_S;  // scratch value shared between routines
    std::string A11_S;  // scratch value shared between routines
    float A2 = 0;  // scratch value shared between routines
    std::string A2_S;  // scratch value shared between routines
    std::string A21_S;  // scratch value shared between routines
    std::string A3_S;  // scratch value shared between routines
    std::string A31_S;  // scratch value shared between routines
    std::string A4_S;  // scratch value shared between routines
    std::string A41_S;  // scratch value shared between routines
    std::string A5_S;  // scratch value shared between routines
    float AA = 0;  // scratch value shared between routines
    std::string AA_S;  // the text that the text routines draw (consumed)
    float AA1 = 0;  // plane: first x value
    std::string AA1_S;  // scratch value shared between routines
    float AA2 = 0;  // plane: last x value
    std::string AAA_S;  // figure input: label text (consumed)
    float AAAX = 0;  // label x shift (consumed)
    float AAAY = 0;  // label y shift (consumed)
    std::string AA_A_S;  // scratch value shared between routines
    float AIDA = 0;  // scratch value shared between routines
    float AIDA1 = 0;  // scratch value shared between routines
    float AINP = 0;  // the value of the typed text
    std::string AINP_S;  // the typed text of the number entry
    float AX = 0;  // scratch value shared between routines
    float AX1 = 0;  // scratch value shared between routines
    float AX2 = 0;  // scratch value shared between routines
    float AY = 0;  // scratch value shared between routines
    float AY1 = 0;  // scratch value shared between routines
    float AY2 = 0;  // scratch value shared between routines
    float B = 0;  // scratch value shared between routines
    std::string B_S;  // scratch value shared between routines
    float B1 = 0;  // scratch value shared between routines
    std::string B1_S;  // scratch value shared between routines
    float B2 = 0;  // scratch value shared between routines
    std::string B2_S;  // scratch value shared between routines
    std::string B3_S;  // scratch value shared between routines
    std::string B4_S;  // scratch value shared between routines
    float BAIX = 0;  // values per grid step in x
    float BAIY = 0;  // values per grid step in y
    float BB = 0;  // scratch value shared between routines
    float BB1 = 0;  // plane: first y value
    float BB2 = 0;  // plane: last y value
    float BSEN = 0;  // scratch value shared between routines
    float BUN = 0;  // typesetter: inside a fraction
    float BX = 0;  // scratch value shared between routines
    float BX1 = 0;  // scratch value shared between routines
    float BY = 0;  // scratch value shared between routines
    float BY1 = 0;  // scratch value shared between routines
    float CC = 0;  // scratch value shared between routines
    float CCC0 = 0;  // text colour saved by the key waits
    float CCC1 = 0;  // text colour
    float CCC2 = 0;  // line and border colour; switch of the axes and grid routines
    float CCC3 = 0;  // fill colour; colour of points and curves
    float CCC4 = 0;  // colour set by the table cells
    float CX = 0;  // scratch value shared between routines
    float CY = 0;  // scratch value shared between routines
    float D = 0;  // scratch value shared between routines
    float D1 = 0;  // scratch value shared between routines
    float D2 = 0;  // scratch value shared between routines
    std::string DA1_S;  // scratch value shared between routines
    float DB = 0;  // scratch value shared between routines
    std::string DB_S;  // scratch value shared between routines
    float DB1 = 0;  // scratch value shared between routines
    float DBM1 = 0;  // scratch value shared between routines
    float DBM2 = 0;  // scratch value shared between routines
    float DR = 0;  // draw width saved by a routine that changes it
    float DS = 0;  // scratch value shared between routines
    std::string DS_S;  // scratch value shared between routines
    float DS1 = 0;  // scratch value shared between routines
    std::string DS1_S;  // scratch value shared between routines
    float DS2 = 0;  // scratch value shared between routines
    std::string DS2_S;  // scratch value shared between routines
    std::string DS3_S;  // scratch value shared between routines
    float DS4 = 0;  // scratch value shared between routines
    std::string DS4_S;  // scratch value shared between routines
    float DSM1 = 0;  // scratch value shared between routines
    float DSM2 = 0;  // scratch value shared between routines
    float DX = 0;  // scratch value shared between routines
    float DY = 0;  // scratch value shared between routines
    float E1 = 0;  // scratch value shared between routines
    float E2 = 0;  // scratch value shared between routines
    std::string ENZAN_S;  // scratch value shared between routines
    float EX = 0;  // scratch value shared between routines
    float EY = 0;  // scratch value shared between routines
    std::string FDS1_S;  // scratch value shared between routines
    float FKIG = 0;  // scratch value shared between routines
    float GGX = 0;  // plane: x of the top-left corner
    float GGY = 0;  // plane: y of the top-left corner
    float GX = 0;  // scratch value shared between routines
    float GX0 = 0;  // plane: x of the origin
    float GX1 = 0;  // scratch value shared between routines
    float GX2 = 0;  // scratch value shared between routines
    float GX3 = 0;  // scratch value shared between routines
    float GX4 = 0;  // scratch value shared between routines
    float GX5 = 0;  // scratch value shared between routines
    float GY = 0;  // scratch value shared between routines
    float GY0 = 0;  // plane: y of the origin
    float GY1 = 0;  // scratch value shared between routines
    float GY2 = 0;  // scratch value shared between routines
    float GY3 = 0;  // scratch value shared between routines
    float GY4 = 0;  // scratch value shared between routines
    float GY5 = 0;  // scratch value shared between routines
    float H = 0;  // scratch value shared between routines
    float HABA = 0;  // cell width; degree step of a dotted arc; step count of a graph
    float HAN = 0;  // typesetter: half-width flag
    std::string HENK_S;  // scratch value shared between routines
    std::string HENK1_S;  // scratch value shared between routines
    std::string HENK2_S;  // scratch value shared between routines
    std::string HENK3_S;  // scratch value shared between routines
    float HH = 0;  // scratch value shared between routines
    float HH1 = 0;  // scratch value shared between routines
    float HH2 = 0;  // scratch value shared between routines
    float HH3 = 0;  // scratch value shared between routines
    float HH4 = 0;  // scratch value shared between routines
    float HH5 = 0;  // scratch value shared between routines
    float HHKIG = 0;  // scratch value shared between routines
    float HHP = 0;  // scratch value shared between routines
    float HONSU = 0;  // figure input: number of repeated marks
    float HOUKOU = 0;  // direction switch of a figure
    float HROOT = 0;  // typesetter: inside a root's overline
    std::string HYOUJI_S;  // scratch value shared between routines
    float I = 0;  // scratch value shared between routines
    std::string I_S;  // the last key read by a key wait
    float IB8 = 0;  // scratch value shared between routines
    float II = 0;  // loop counter shared by the figure routines and the lessons
    float IROIRO = 0;  // scratch value shared between routines
    float ITI = 0;  // figure input: -1 takes the angle on the other side (consumed)
    float JYOU = 0;  // typesetter: raise the next character (superscript)
    float JYOUK = 0;  // typesetter: small raised character
    float KAIX = 0;  // x of the number field's anchor
    float KAIY = 0;  // y of the number field's anchor
    float KAKKO = 0;  // typesetter: 1 draws ( and ) tall
    float KAKKO1 = 0;  // scratch value shared between routines
    float KAKU = 0;  // scratch value shared between routines
    float KAKUDO = 0;  // scratch value shared between routines
    std::string KAKUDO_S;  // scratch value shared between routines
    float KASANARIX = 0;  // point label: x shift (consumed)
    float KASANARIY = 0;  // point label: y shift (consumed)
    float KB8 = 0;  // scratch value shared between routines
    float KOSUU = 0;  // scratch value shared between routines
    float L = 0;  // scratch value shared between routines
    float LB8 = 0;  // scratch value shared between routines
    float LE = 0;  // scratch value shared between routines
    float LEM = 0;  // scratch value shared between routines
    float LLT = 0;  // width of a measured text
    float LT = 0;  // scratch value shared between routines
    float LT1 = 0;  // scratch value shared between routines
    float LT2 = 0;  // scratch value shared between routines
    std::string MOTOA_S;  // scratch value shared between routines
    float MUKI = 0;  // scratch value shared between routines
    float MU_DO = 0;  // scratch value shared between routines
    float N = 0;  // scratch value shared between routines
    float N1 = 0;  // scratch value shared between routines
    float NAG = 0;  // scratch value shared between routines
    float NAGA = 0;  // scratch value shared between routines
    float NAGASA = 0;  // figure input: size of a mark, distance of a label
    float NAGASA1 = 0;  // scratch value shared between routines
    float NAKA = 0;  // scratch value shared between routines
    float NASI = 0;  // plane: -1 draws no numbers
    float P = 0;  // scratch value shared between routines
    float P1 = 0;  // scratch value shared between routines
    std::string P1_S;  // scratch value shared between routines
    float P2 = 0;  // scratch value shared between routines
    std::string P2_S;  // scratch value shared between routines
    float PI = 0;  // 3.14159, set by the routines that need it
    float Q = 0;  // scratch value shared between routines
    float R = 0;  // scratch value shared between routines
    std::string R_S;  // scratch value shared between routines
    float R1A = 0;  // scratch value shared between routines
    std::string R1A_S;  // scratch value shared between routines
    std::string R1A1_S;  // scratch value shared between routines
    float R1B = 0;  // scratch value shared between routines
    std::string R1B_S;  // scratch value shared between routines
    float R1B1 = 0;  // scratch value shared between routines
    float R1I = 0;  // scratch value shared between routines
    std::string RAB_S;  // scratch value shared between routines
    std::string RABM_S;  // scratch value shared between routines
    float RR = 0;  // scratch value shared between routines
    std::string RTASKAI1_S;  // scratch value shared between routines
    std::string RTASKAI2_S;  // scratch value shared between routines
    float SENTAKU = 0;  // the item chosen on a menu or bar
    float SIZE = 0;  // pixels per grid step of a plane
    float SIZE1 = 0;  // scratch value shared between routines
    float SOSU = 0;  // scratch value shared between routines
    float SOSU1 = 0;  // scratch value shared between routines
    float TA1 = 0;  // scratch value shared between routines
    float TA2 = 0;  // scratch value shared between routines
    float TA3 = 0;  // scratch value shared between routines
    float TA5 = 0;  // scratch value shared between routines
    float TA6 = 0;  // scratch value shared between routines
    float TAKASA = 0;  // height; a dotted arc's bow height
    float TATE = 0;  // height of a table cell
    float TBBO = 0;  // scratch value shared between routines
    float TBBO1 = 0;  // scratch value shared between routines
    float TBBOYAKX = 0;  // scratch value shared between routines
    float TBBOYAKY = 0;  // scratch value shared between routines
    float TBSI = 0;  // scratch value shared between routines
    float TBSI1 = 0;  // scratch value shared between routines
    float TBSIYAKX = 0;  // scratch value shared between routines
    float TBSIYAKY = 0;  // scratch value shared between routines
    float TENMETSU = 0;  // number entry: empty key polls counted for the cursor's blink
    float TII = 0;  // scratch value shared between routines
    std::string TITLE_S;  // the program's title, shown in its main menu's header
    float TJ = 0;  // scratch value shared between routines
    std::string TKAI1_S;  // scratch value shared between routines
    std::string TKAI2_S;  // scratch value shared between routines
    float TX = 0;  // typesetter: glyph x
    float TXM = 0;  // typesetter: x where a root's overline starts
    float TY = 0;  // typesetter: glyph y
    float X = 0;  // pen x: where the next text starts; left after the text
    std::string X_S;  // scratch value shared between routines
    float X1 = 0;  // scratch value shared between routines
    float X2 = 0;  // scratch value shared between routines
    float X3 = 0;  // scratch value shared between routines
    float X4 = 0;  // scratch value shared between routines
    std::string X8_S;  // scratch value shared between routines
    std::string X9_S;  // scratch value shared between routines
    float XG = 0;  // scratch value shared between routines
    float XI0 = 0;  // scene pen: margin for numbered marks
    float XI1 = 0;  // scene pen: left margin of a block
    float XI2 = 0;  // scene pen: x where the current line goes on
    float XI3 = 0;  // scratch value shared between routines
    float XT = 0;  // scratch value shared between routines
    float XX = 0;  // scratch value shared between routines
    float XX1 = 0;  // scratch value shared between routines
    float Y = 0;  // pen y: top of the current text line
    std::string Y_S;  // scratch value shared between routines
    float Y1 = 0;  // scratch value shared between routines
    float Y2 = 0;  // scratch value shared between routines
    float Y22 = 0;  // scratch value shared between routines
    float Y3 = 0;  // scratch value shared between routines
    float Y4 = 0;  // scratch value shared between routines
    float Y5 = 0;  // scratch value shared between routines
    float Y6 = 0;  // scratch value shared between routines
    float Y7 = 0;  // scratch value shared between routines
    float YA = 0;  // scratch value shared between routines
    float YAK = 0;  // fraction reduction: the divisor found
    float YAK1 = 0;  // scratch value shared between routines
    float YG = 0;  // scratch value shared between routines
    float YI1 = 0;  // scene pen: y of the current line
    float YMOTO = 0;  // scratch value shared between routines
    float YOKO = 0;  // scratch value shared between routines
    float YT = 0;  // scratch value shared between routines
    float YY = 0;  // scratch value shared between routines
    float YY1 = 0;  // scratch value shared between routines
    float ZX = 0;  // scratch value shared between routines
    float ZX0 = 0;  // figure input: vertex, arrow tail or chord end (x)
    float ZX1 = 0;  // scratch value shared between routines
    float ZX11 = 0;  // scratch value shared between routines
    float ZX12 = 0;  // scratch value shared between routines
    float ZX2 = 0;  // scratch value shared between routines
    float ZX3 = 0;  // scratch value shared between routines
    float ZX4 = 0;  // scratch value shared between routines
    float ZX5 = 0;  // scratch value shared between routines
    float ZY = 0;  // scratch value shared between routines
    float ZY0 = 0;  // figure input: vertex, arrow tail or chord end (y)
    float ZY1 = 0;  // scratch value shared between routines
    float ZY11 = 0;  // scratch value shared between routines
    float ZY12 = 0;  // scratch value shared between routines
    float ZY2 = 0;  // scratch value shared between routines
    float ZY3 = 0;  // scratch value shared between routines
    float ZY4 = 0;  // scratch value shared between routines
    float ZY5 = 0;  // scratch value shared between routines
};

}  // namespace shell
