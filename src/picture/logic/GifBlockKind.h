#pragma once
// Kinds of the blocks that follow a GIF's header, screen descriptor and global table.

namespace picture {

enum class GifBlockKind {
    Unknown = 0,
    ApplicationExt = 1,
    CommentExt = 2,
    ControlExt = 3,
    PlainTextExt = 4,
    Image = 5,
    Trailer = 6,
};

} // namespace picture
