// A notes box is only useful when its picture shows whole: the picture control
// takes the bitmap's pixel size from its top-left corner, so the box built from
// the template must hold that rectangle above its buttons.

#include "platform/CDialog.h"
#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;

const DialogTemplate* const kNotesBoxes[] = {
    &res::kEllipseNotes,
    &res::kHyperbolaNotes,
    &res::kParabolaNotes,
    &res::kCurveCheck,
};

const ControlTemplate& Picture(const DialogTemplate& dialog)
{
    return *std::find_if(dialog.controls.begin(), dialog.controls.end(),
                         [](const ControlTemplate& c) { return c.kind == ControlKind::Bitmap; });
}

TEST(NotesBox, PictureShowsWholeAboveTheButtons)
{
    for (const DialogTemplate* tmpl : kNotesBoxes) {
        SCOPED_TRACE(tmpl->id);
        platform::CDialog box(*tmpl);
        const ControlTemplate& picture = Picture(*tmpl);
        const QImage bitmap(QString(":/res/Bitmap/%1").arg(picture.resourceId));
        ASSERT_FALSE(bitmap.isNull());

        const QRect shown(box.MapRect(picture.x, picture.y, picture.cx, picture.cy).topLeft(),
                          bitmap.size());
        EXPECT_TRUE(box.rect().contains(shown));
        EXPECT_LT(shown.bottom(), box.GetDlgItem(IDOK)->geometry().top());

        const auto labels = box.findChildren<QLabel*>();
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [](const QLabel* l) { return !l->pixmap().isNull(); });
        ASSERT_NE(label, labels.end());
        EXPECT_TRUE((*label)->contentsRect().width() >= bitmap.width() &&
                    (*label)->contentsRect().height() >= bitmap.height());
    }
}

} // namespace
