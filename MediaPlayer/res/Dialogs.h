#pragma once

#include "platform/Dialog.h"

// Dialog template 103: the About box.
const platform::DialogTemplate& aboutTemplate();
