#pragma once
// The current curve, its measured extent, the preview's view and the chosen CNC
// dialect: process-wide state shared by the curve dialogs, the preview and the
// generator, all on the user-interface thread. The preview window itself is
// reached through g_pPreviewDlg beside its class (curves/shitu.h), on the widget side.

#include <string>

constexpr int FORMULA_CONIC = 1;  // ellipse, parabolas, hyperbolas
constexpr int FORMULA_TRIG = 2;   // sine, cosine, tangent, cotangent

constexpr int CNC_GUANGSHU = 1;
constexpr int CNC_FANUC = 2;
constexpr int CNC_SIEMENS = 3;
constexpr int CNC_HUAZHONG = 4;
constexpr int CNC_DASEN = 5;
constexpr int CNC_MITSUBISHI = 6;

constexpr bool IsKnownCncSystem(int code)
{
    return code >= CNC_GUANGSHU && code <= CNC_MITSUBISHI;
}

extern std::string g_strFormulaX;        // radius as a formula in the depth x
extern std::string g_strFormulaHash;     // "#3=" statement in "#2", radians
extern std::string g_strFormulaHashDeg;  // "#3=" statement with angles in degrees (trigonometric curves)
extern std::string g_strFormulaR;        // "R3=" statement in "R2"
extern int g_nFormulaKind;               // FORMULA_CONIC, FORMULA_TRIG, 0 before the first curve
extern float g_fZStart;                  // depths: typed Z negated, at or above 0
extern float g_fZEnd;
extern float g_fCurveXStart;             // radii measured by the preview's last painting
extern float g_fCurveXEnd;
extern float g_fCurveXMax;
extern float g_fCurveXMin;
extern float g_fPreviewScale;            // preview pixels per drawing unit
extern float g_fPreviewOriginX;          // preview viewport origin in pixels
extern float g_fPreviewOriginY;
extern int g_nCncSystem;                 // CNC_ dialect code, 0 while not yet known
