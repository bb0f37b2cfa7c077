#pragma once

#include "platform/Accelerators.h"

#include <span>

// Accelerator table 109, in its stored order.
std::span<const platform::Accelerator> mainAccelerators();
