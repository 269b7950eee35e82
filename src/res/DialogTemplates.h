#pragma once
// The program's dialog templates, one definition per file in templates/.

#include "platform/DialogTemplate.h"

namespace res {

extern const platform::DialogTemplate kAboutBox;          // 100
extern const platform::DialogTemplate kVornaDialog;       // 102
extern const platform::DialogTemplate kPreview;           // 173
extern const platform::DialogTemplate kEllipse;           // 174
extern const platform::DialogTemplate kHyperbolaX;        // 175
extern const platform::DialogTemplate kHyperbolaZ;        // 176
extern const platform::DialogTemplate kParabolaX;         // 177
extern const platform::DialogTemplate kParabolaZ;         // 178
extern const platform::DialogTemplate kMacroProgram;      // 179
extern const platform::DialogTemplate kCncSystem;         // 181
extern const platform::DialogTemplate kSine;              // 182
extern const platform::DialogTemplate kCosine;            // 183
extern const platform::DialogTemplate kTangent;           // 184
extern const platform::DialogTemplate kCotangent;         // 185
extern const platform::DialogTemplate kEllipseNotes;      // 188
extern const platform::DialogTemplate kHyperbolaNotes;    // 190
extern const platform::DialogTemplate kParabolaNotes;     // 192
extern const platform::DialogTemplate kCurveCheck;        // 194

} // namespace res
