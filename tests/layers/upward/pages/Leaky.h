#pragma once

// A page that reaches up into the main window: the layer check must refuse it.
#include "app/Uhidromotor.h"
