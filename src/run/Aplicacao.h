#pragma once

#include <cstdint>

// The whole run in the current directory; returns the run's result code.
int32_t executarAplicacao();
