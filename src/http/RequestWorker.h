// What the request's worker thread runs: one HTTP exchange through WinINet, answer into the record.
#pragma once

class SharedRecord;

// 1 when it wrote an answer (and stored the response's cookies), 0 when it gave up and wrote nothing.
int RequestWorker(SharedRecord* shared);

// The worker thread's entry: runs RequestWorker on the record given as its parameter, lets go of the
// record and ends with RequestWorker's result.
unsigned long __stdcall RequestWorkerEntry(void* shared);
