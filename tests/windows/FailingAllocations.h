// Fault injection for the Windows tests: the global operator new of the test program can be told
// to fail, so an error can be made to happen anywhere the program allocates.
#pragma once

/// Makes the Count-th allocation from now on (1: the next one) on the calling thread throw
/// std::bad_alloc; 0 disarms. Other threads allocate as usual.
void FailAllocationAfter(long Count);

/// How many allocations the calling thread has made since the program started.
long AllocationsSoFar();
