#include "curves/logic/CurveState.h"

std::string g_strFormulaX;
std::string g_strFormulaHash;
std::string g_strFormulaHashDeg;
std::string g_strFormulaR;
int g_nFormulaKind = 0;
float g_fZStart = 0;
float g_fZEnd = 0;
float g_fCurveXStart = 0;
float g_fCurveXEnd = 0;
float g_fCurveXMax = 0;
float g_fCurveXMin = 0;
float g_fPreviewScale = 0;
float g_fPreviewOriginX = 0;
float g_fPreviewOriginY = 0;
int g_nCncSystem = 0;
