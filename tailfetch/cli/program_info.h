#pragma once

#include "common/app/start_up.h"

namespace tailfetch {

// What the launcher answers --help and --version with, and what the window
// starts from: one description for both, so they never disagree.
suite::ProgramInfo programInfo();

} // namespace tailfetch
