#include "res/DialogTemplates.h"
#include "res/resource.h"

namespace res {

using namespace platform;

namespace {

constexpr unsigned kViewButton = CS_MODALFRAME | CS_FLAT | CS_TABSTOP;

constexpr ControlTemplate kControls[] = {
    {IDC_Z_MINUS, ControlKind::PushButton, "Z-", 60, 34, 15, 15, kViewButton},
    {IDC_Z_PLUS, ControlKind::PushButton, "Z+", 26, 34, 15, 15, kViewButton},
    {IDC_X_PLUS, ControlKind::PushButton, "X+", 44, 20, 15, 15, kViewButton},
    {IDC_X_MINUS, ControlKind::PushButton, "X-", 44, 51, 15, 15, kViewButton},
    {IDC_ZOOM_IN, ControlKind::PushButton, "放大", 20, 49, 23, 17, kViewButton},
    {IDC_ZOOM_OUT, ControlKind::PushButton, "缩小", 60, 49, 23, 17, kViewButton},
};

} // namespace

const DialogTemplate kPreview{
    IDD_PREVIEW, "", 326, 258, "宋体", 11, DS_CHILD | DS_VISIBLE | DS_BORDER, kControls};

} // namespace res
