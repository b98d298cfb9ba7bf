// The composition root may include every layer below it.
#include "pages/Leaky.h"
#include "ui/FieldPairs.h"
