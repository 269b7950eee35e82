#include "generator/logic/ProgramFile.h"

#include "generator/logic/Utf8Path.h"

#include <fstream>
#include <system_error>

namespace generator {

bool WriteProgramFile(const std::vector<std::string>& lines)
{
    const std::filesystem::path path = Utf8Path(kProgramFileName);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    for (const std::string& line : lines)
        out << line << "\r\n";
    out.close();
    if (out.fail()) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        return false;
    }
    return true;
}

} // namespace generator
