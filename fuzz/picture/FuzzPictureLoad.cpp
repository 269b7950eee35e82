// Loads arbitrary bytes into the picture control from memory and shows them: a
// still picture is drawn, an animation is stepped through every frame and on to
// the wrap back to the first, without the thread's waits. Then the control paints.

#include "picture/AnimatedPicture.h"

#include <QApplication>
#include <QImageReader>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Enough for every frame of a small animation and the wrap after it.
constexpr int kMaxSteps = 64;
// Far below the program's bound, so that every input the control accepts runs
// within the target's limits (-rss_limit_mb=512 -timeout=5) under AddressSanitizer,
// whose quarantine alone keeps up to 256 MB of freed memory.
constexpr std::int64_t kMemoryBound = std::int64_t{16} << 20;

// Kept to the end of the process: a QApplication torn down by the exit handlers
// would outlive parts of Qt it still needs.
QApplication* g_app = nullptr;
picture::CAnimatedPicture* g_picture = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_app = new QApplication(*argc, *argv);
    // Qt's readers refuse larger images as well: a guard for what the control does
    // not count.
    QImageReader::setAllocationLimit(16);
    // One control for every input, so that each load also replaces a previous picture.
    g_picture = new picture::CAnimatedPicture(nullptr, kMemoryBound);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (g_picture->Load({data, size})) {
        if (g_picture->IsMultiFrame())
            g_picture->StepAnimation(std::min(g_picture->GetFrameTotal() + 2, kMaxSteps));
        else
            g_picture->Draw();
    }
    g_picture->grab();
    return 0;
}
