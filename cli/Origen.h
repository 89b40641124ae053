#pragma once
// The record loader lives in the core, shared with the windows.
#include "reports/CargarRegistro.h"
