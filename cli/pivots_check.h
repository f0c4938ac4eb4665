// pivora-solve --pivots: an exercise sheet's exchange steps, checked. The
// pivots ("Z,S", rows and columns as the practice sheet numbers them) are
// taken one by one in the practice mode's judge, up to the first refused.
#pragma once

#include <optional>
#include <string>

#include "cli/command_line.h"
#include "files/problem_file.h"
#include "ui/plain_window.h"

namespace pivora {

// Checks `pivots` on the problem entered in `window` (from `name`). Writes
// the worked sheet of the steps taken and, at a refused pivot, its
// judgement on standard output (UTF-8, or Latin-1 where `latin1`); kSuccess
// when every pivot was allowed, kPivotRefused at the first one refused,
// kInputError at a faulty cell, kUsageOrFormat where the list is malformed.
// Where `plot` is set, the picture with the path of the steps taken is
// written there too (a failure to write it is kUsageOrFormat).
ExitCode CheckPivots(PlainWindow& window, const std::string& pivots, const std::string& name,
                     const ProblemFile& problem, bool latin1,
                     const std::optional<std::string>& plot);

}  // namespace pivora
