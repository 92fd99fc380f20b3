#include "platform/controls/qt/WidgetHost.h"
