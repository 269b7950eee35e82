// The parser views its text: a temporary string must not compile, a kept one must.

#include "eval/CMathParser.h"

#include <string>
#include <type_traits>

static_assert(!std::is_constructible_v<CMathParser, std::string&&>);
static_assert(!std::is_constructible_v<CMathParser, const std::string&&>);
static_assert(std::is_constructible_v<CMathParser, const std::string&>);
