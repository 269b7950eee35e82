#include "generator/logic/ProgramFile.h"

#include "generator/logic/ReplaceFileContent.h"
#include "platform/Utf8Path.h"

namespace generator {

bool WriteProgramFile(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return ReplaceFileContent(platform::Utf8Path(kProgramFileName), text);
}

} // namespace generator
