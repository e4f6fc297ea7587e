#pragma once

// The generator lives in the core, where the program's demo flight uses it too.
#include "app/syntheticflight.h"
