#pragma once
// EProGridError: what the string grid's accessors raise ("Invalid row
// accessed", "Cell does not contain integer value", ...).
#include "platform/rtl/Exceptions.h"

STRATAGON_DECLARE_EXCEPTION(EProGridError, Exception)
