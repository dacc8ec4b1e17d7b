// The record of one request as its caller and its worker both hold it: whichever lets go last destroys
// it, so a worker cut off at the time limit never writes into freed memory, and the caller never reads
// an answer the worker is still writing.
#pragma once
#include <atomic>

#include "http/RequestItems.h"
#include "http/RequestRecord.h"

class SharedRecord {
 public:
  // A new record, held once by its creator.
  static SharedRecord* Create();
  SharedRecord(const SharedRecord&) = delete;
  SharedRecord& operator=(const SharedRecord&) = delete;

  void Hold();
  void Release();  // the last holder's release destroys it

  // The worker's side, after the last write into the record: from here on the answer may be read.
  void MarkAnswered();

  // The caller's side: the answer when the worker has ended or had finished writing it; the empty
  // answer while it may still be writing. The body is dropped unless the worker has ended: a call cut
  // off at its limit returns no body even when the answer came in time.
  WebAnswer CollectAnswer(bool workerEnded);

  RequestRecord record;

  // Records not yet destroyed, in the whole process: lets a test see a late worker let go.
  static int Living();

 private:
  SharedRecord() = default;
  ~SharedRecord() = default;

  std::atomic<int> holders{1};
  std::atomic<bool> answered{false};
};
