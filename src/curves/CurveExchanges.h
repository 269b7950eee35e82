#pragma once
// The curve dialogs' controls in the order of their data exchange. The order is part
// of the behaviour: a refused field ends the exchange, so the members before it take
// the typed values and it and those after keep theirs.

#include "curves/CurveControl.h"
#include "res/resource.h"

namespace curves {

// z1, z2, a, b, c, d: sine, cosine, tangent and cotangent.
inline constexpr CurveControl kFourParametersExchange[] = {
    {IDC_Z_START, &CurveFields::zStart}, {IDC_Z_END, &CurveFields::zEnd}, {IDC_PARAM_A, &CurveFields::a},
    {IDC_PARAM_B, &CurveFields::b},      {IDC_PARAM_C, &CurveFields::c},  {IDC_PARAM_D, &CurveFields::d}};

// The same, then the direction: ellipse and hyperbola on Z.
inline constexpr CurveControl kDirectionLastExchange[] = {
    {IDC_Z_START, &CurveFields::zStart}, {IDC_Z_END, &CurveFields::zEnd}, {IDC_PARAM_A, &CurveFields::a},
    {IDC_PARAM_B, &CurveFields::b},      {IDC_PARAM_C, &CurveFields::c},  {IDC_PARAM_D, &CurveFields::d},
    {IDC_RADIO_FIRST, &CurveFields::direction}};

// The direction, then z1, z2, a, b, c, d: hyperbola on X.
inline constexpr CurveControl kDirectionFirstExchange[] = {
    {IDC_RADIO_FIRST, &CurveFields::direction},
    {IDC_Z_START, &CurveFields::zStart}, {IDC_Z_END, &CurveFields::zEnd}, {IDC_PARAM_A, &CurveFields::a},
    {IDC_PARAM_B, &CurveFields::b},      {IDC_PARAM_C, &CurveFields::c},  {IDC_PARAM_D, &CurveFields::d}};

// Parabola on X: P, a and b in the first three parameter edits.
inline constexpr CurveControl kParabolaXExchange[] = {
    {IDC_Z_START, &CurveFields::zStart}, {IDC_Z_END, &CurveFields::zEnd}, {IDC_PARAM_A, &CurveFields::p},
    {IDC_PARAM_B, &CurveFields::a},      {IDC_PARAM_C, &CurveFields::b}};

// Parabola on Z: as on X, with the direction read before b.
inline constexpr CurveControl kParabolaZExchange[] = {
    {IDC_Z_START, &CurveFields::zStart}, {IDC_Z_END, &CurveFields::zEnd}, {IDC_PARAM_A, &CurveFields::p},
    {IDC_PARAM_B, &CurveFields::a},      {IDC_RADIO_FIRST, &CurveFields::direction},
    {IDC_PARAM_C, &CurveFields::b}};

} // namespace curves
