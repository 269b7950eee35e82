// The placeholder count that the callers' static_asserts rely on, checked as it
// compiles: "%g" counts, any other '%' makes a template unfillable.

#include "platform/FillTemplate.h"

static_assert(platform::CountPlaceholders("G01x%gz-%g") == 2);
static_assert(platform::CountPlaceholders("M00M05") == 0);
static_assert(platform::CountPlaceholders("100%") == -1);
static_assert(platform::CountPlaceholders("%d") == -1);
static_assert(platform::CountPlaceholders("%g%%") == -1);
