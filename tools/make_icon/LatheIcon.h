#pragma once
// The program's icon: a turned part in a lathe chuck, its curved contour being cut.

#include <QImage>

// The icon drawn at `size` × `size` pixels, transparent outside its rounded square.
QImage PaintLatheIcon(int size);
