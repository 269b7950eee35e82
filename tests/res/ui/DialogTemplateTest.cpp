// What every dialog template must hold for the dialog built from it to work.

#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QFile>
#include <gtest/gtest.h>

#include <set>

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;

struct TemplateCase {
    const DialogTemplate* dialog;
    int id;
};

// Every dialog template of the program, with its id.
const TemplateCase kTemplates[] = {
    {&res::kAboutBox, IDD_ABOUTBOX},
    {&res::kVornaDialog, IDD_VORNA_DIALOG},
    {&res::kPreview, IDD_PREVIEW},
    {&res::kEllipse, IDD_ELLIPSE},
    {&res::kHyperbolaX, IDD_HYPERBOLA_X},
    {&res::kHyperbolaZ, IDD_HYPERBOLA_Z},
    {&res::kParabolaX, IDD_PARABOLA_X},
    {&res::kParabolaZ, IDD_PARABOLA_Z},
    {&res::kMacroProgram, IDD_MACRO_PROGRAM},
    {&res::kCncSystem, IDD_CNC_SYSTEM},
    {&res::kSine, IDD_SINE},
    {&res::kCosine, IDD_COSINE},
    {&res::kTangent, IDD_TANGENT},
    {&res::kCotangent, IDD_COTANGENT},
    {&res::kEllipseNotes, IDD_ELLIPSE_NOTES},
    {&res::kHyperbolaNotes, IDD_HYPERBOLA_NOTES},
    {&res::kParabolaNotes, IDD_PARABOLA_NOTES},
    {&res::kCurveCheck, IDD_CURVE_CHECK},
};

QString PicturePath(const ControlTemplate& control)
{
    const char* type = control.kind == ControlKind::Icon ? "Icon" : "Bitmap";
    return QString(":/res/%1/%2").arg(type).arg(control.resourceId);
}

TEST(DialogTemplate, ControlsHaveUniqueIdsAndLieInsideTheDialog)
{
    for (const TemplateCase& c : kTemplates) {
        SCOPED_TRACE(c.id);
        const DialogTemplate& dialog = *c.dialog;
        EXPECT_EQ(dialog.id, c.id);
        EXPECT_FALSE(dialog.controls.empty());
        std::set<int> ids;
        for (const ControlTemplate& control : dialog.controls) {
            SCOPED_TRACE(control.text);
            if (control.id != IDC_STATIC) {
                EXPECT_TRUE(ids.insert(control.id).second) << "id " << control.id << " twice";
            }
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_GT(control.cx, 0);
            EXPECT_GT(control.cy, 0);
            EXPECT_LE(control.x + control.cx, dialog.cx);
            EXPECT_LE(control.y + control.cy, dialog.cy);
        }
    }
}

TEST(DialogTemplate, PicturesNameExistingResources)
{
    for (const TemplateCase& c : kTemplates) {
        SCOPED_TRACE(c.id);
        for (const ControlTemplate& control : c.dialog->controls) {
            if (control.kind == ControlKind::Bitmap || control.kind == ControlKind::Icon) {
                EXPECT_TRUE(QFile::exists(PicturePath(control))) << PicturePath(control).toStdString();
            }
        }
    }
}

} // namespace
