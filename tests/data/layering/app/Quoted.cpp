#include "qpainter.h"
