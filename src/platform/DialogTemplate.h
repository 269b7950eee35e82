#pragma once
// A dialog template as data: the dialog's caption, size, font and styles, and its
// controls in template order. Positions and sizes are in dialog units.

#include <span>

namespace platform {

enum class ControlKind {
    PushButton,
    DefPushButton,  // the default push button (pressed by Enter)
    Edit,
    Text,           // static text, left-aligned
    BlackRect,      // static, black rectangle
    BlackFrame,     // static, black frame
    Bitmap,         // static picture of a bitmap resource, sized to the bitmap
    Icon,           // static picture of an icon resource
    GroupBox,
    AutoRadio,
};

// Control styles (bit set).
enum ControlStyle : unsigned {
    CS_NONE = 0,
    CS_GROUP = 1u << 0,        // starts a group (radio groups end at the next one)
    CS_TABSTOP = 1u << 1,
    CS_HIDDEN = 1u << 2,       // created without the visible style
    CS_MULTILINE = 1u << 3,
    CS_BORDER = 1u << 4,
    CS_FLAT = 1u << 5,
    CS_NOTIFY = 1u << 6,
    CS_STATICEDGE = 1u << 7,
    CS_MODALFRAME = 1u << 8,
    CS_AUTOHSCROLL = 1u << 9,
};

// Dialog styles (bit set).
enum DialogStyle : unsigned {
    DS_NONE = 0,
    DS_CHILD = 1u << 0,        // a child pane inside its parent, no frame of its own
    DS_POPUP = 1u << 1,
    DS_VISIBLE = 1u << 2,
    DS_CAPTION = 1u << 3,
    DS_SYSMENU = 1u << 4,
    DS_SIZING = 1u << 5,       // sizing border
    DS_MINIMIZEBOX = 1u << 6,
    DS_MAXIMIZEBOX = 1u << 7,
    DS_MODALFRAME = 1u << 8,
    DS_BORDER = 1u << 9,
    DS_APPWINDOW = 1u << 10,
};

struct ControlTemplate {
    int id;               // -1 for a control without id
    ControlKind kind;
    const char* text;     // UTF-8
    int x, y, cx, cy;     // dialog units
    unsigned style = CS_NONE;
    int resourceId = 0;   // bitmap or icon of a picture control
};

struct DialogTemplate {
    int id;
    const char* caption;  // UTF-8, empty for none
    int cx, cy;           // dialog units
    const char* fontFace; // the template's face name, e.g. "宋体" or "System"
    int pointSize;
    unsigned style;
    std::span<const ControlTemplate> controls;
};

} // namespace platform
