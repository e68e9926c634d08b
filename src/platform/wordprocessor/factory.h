#pragma once
#include "wordprocessor/wordprocessor.h"

namespace wordprocessor {

// The word processor stand-in. Creating it starts nothing and never fails for want of a
// word processor; the first letter made visible reports that instead.
std::shared_ptr<Application> createApplication();

} // namespace wordprocessor
