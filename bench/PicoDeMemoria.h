#pragma once

// The process's peak resident memory (VmHWM), in MB, and its reset
// (Linux 4.0 and later), for measuring one step of a benchmark.
void ZeraPicoDeMemoria();
double PicoDeMemoriaMb();
