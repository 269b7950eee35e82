#include "res/Strings.h"

#include "res/resource.h"

namespace res {

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "关于 VORNA(&A)..."},
};

} // namespace

const char* LoadResString(int id)
{
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}

} // namespace res
