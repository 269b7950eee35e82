#pragma once
// The program's string table.

namespace res {

// The text of string resource `id` (UTF-8), or nullptr when the table has none.
const char* LoadResString(int id);

} // namespace res
