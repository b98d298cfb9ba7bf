// The circuit's arithmetic drawing with Qt: the layer check must refuse it.
#include <QPainter>

#include "model/bazna.h"
