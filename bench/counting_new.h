// Counts the allocations made through the global operator new, for the
// benchmarks' allocations-per-operation figures. counting_new.cpp replaces
// every form of the global operator new and delete in the benchmark binary;
// memory that libraries take straight from malloc (stdio's buffers, iconv's
// state) is not seen. The count is process-wide; the benchmarks run on one
// thread and read it around the timed work only.
#pragma once

#include <cstddef>

// Calls of any operator new since the process started.
std::size_t AllocationCount();
