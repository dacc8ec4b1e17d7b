// Atomics of our own rather than std::shared_ptr: the worker is a plain platform thread, and the count
// must stay atomic whatever the runtime thinks about threads being in use.
#include "http/SharedRecord.h"

namespace {

std::atomic<int> living{0};

}  // namespace

SharedRecord* SharedRecord::Create() {
  living.fetch_add(1);
  return new SharedRecord();
}

void SharedRecord::Hold() { holders.fetch_add(1, std::memory_order_relaxed); }

void SharedRecord::Release() {
  if (holders.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    delete this;
    living.fetch_sub(1);
  }
}

void SharedRecord::MarkAnswered() { answered.store(true, std::memory_order_release); }

WebAnswer SharedRecord::CollectAnswer(bool workerEnded) {
  if (!workerEnded && !answered.load(std::memory_order_acquire)) return WebAnswer();
  WebAnswer answer = ReadAnswer(record);
  if (answer.status != kAnswerStatus || !workerEnded) answer.body.clear();
  return answer;
}

int SharedRecord::Living() { return living.load(); }
