// The record both sides hold: the caller takes only a finished answer, and a worker that ends after the
// caller has gone destroys the record itself (run under AddressSanitizer natively).
#include "http/SharedRecord.h"
#include "http/TimeLimit.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

struct Outcome {
  const char* name;
  bool answerWritten;
  bool answerMarked;
  bool workerEnded;
  WebAnswer expected;
};

TEST(SharedRecord, CallerTakesOnlyAFinishedAnswer) {
  const ByteBuffer body("b\0dy", 4);
  const Outcome cases[] = {
      {"worker ended with an answer", true, true, true, {"Courier_OK", "H\r\n", body}},
      {"worker gave up", false, false, true, {"", "", ""}},
      {"cut off after its answer: headers, no body", true, true, false, {"Courier_OK", "H\r\n", ""}},
      {"cut off while still writing", true, false, false, {"", "", ""}},
      {"cut off before answering", false, false, false, {"", "", ""}},
  };
  for (const Outcome& c : cases) {
    SCOPED_TRACE(c.name);
    SharedRecord* shared = SharedRecord::Create();
    WriteRequest({"http://h/", "", "", "", "", "", ""}, shared->record);
    ASSERT_TRUE(TakeRequest(shared->record));
    if (c.answerWritten) WriteAnswer("H\r\n", body, shared->record);
    if (c.answerMarked) shared->MarkAnswered();
    const WebAnswer answer = shared->CollectAnswer(c.workerEnded);
    EXPECT_EQ(c.expected.status, answer.status);
    EXPECT_EQ(c.expected.rawHeaders, answer.rawHeaders);
    EXPECT_EQ(c.expected.body, answer.body);
    shared->Release();
  }
}

TEST(SharedRecord, ARequestNeverReadsAsAnAnswer) {
  SharedRecord* shared = SharedRecord::Create();
  WriteRequest({"http://h/", "GET", "", "", "", "", ""}, shared->record);
  const WebAnswer answer = shared->CollectAnswer(true);
  EXPECT_EQ("", answer.body);
  shared->Release();
}

// The caller lets go at its limit while the worker is still busy; the worker then writes its late answer
// into the record and destroys it. A use after free here is an AddressSanitizer report.
TEST(SharedRecord, LateWorkerReleasesTheRecordLast) {
  const int livingBefore = SharedRecord::Living();
  std::atomic<bool> callerGone{false};
  SharedRecord* shared = SharedRecord::Create();
  WriteRequest({"http://h/", "", "", "", "", "", ""}, shared->record);
  shared->Hold();
  std::thread worker([shared, &callerGone] {
    std::optional<WebRequest> request = TakeRequest(shared->record);
    while (!callerGone.load()) std::this_thread::yield();
    WriteAnswer("late", ByteBuffer(100000, 'x'), shared->record);
    shared->MarkAnswered();
    shared->Release();
  });
  const WebAnswer answer = shared->CollectAnswer(false);
  shared->Release();
  callerGone = true;
  worker.join();
  EXPECT_EQ("", answer.rawHeaders);
  EXPECT_EQ("", answer.body);
  EXPECT_EQ(livingBefore, SharedRecord::Living());
}

TEST(SharedRecord, WhoeverLetsGoLastDestroysIt) {
  for (int round = 0; round < 200; ++round) {
    SharedRecord* shared = SharedRecord::Create();
    shared->Hold();
    std::thread worker([shared] {
      WriteAnswer("h", "b", shared->record);
      shared->MarkAnswered();
      shared->Release();
    });
    const WebAnswer answer = shared->CollectAnswer(false);
    shared->Release();
    worker.join();
    EXPECT_TRUE(answer.status.empty() || answer.rawHeaders == "h") << "a half-written answer was taken";
  }
  EXPECT_EQ(0, SharedRecord::Living());
}

TEST(TimeLimit, SecondsBecomeMilliseconds) {
  struct Case {
    int limit;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0, 90000u}, {5, 5000u}, {1, 1000u}, {90, 90000u}, {-1, 90000u}, {4294967, 4294967000u},
      // The low 32 bits of these would be 0 (an instant time-out) or 0xFFFFFFFF (for ever).
      {536870912, 0xFFFFFFFEu}, {2147483647, 0xFFFFFFFEu},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limit);
    EXPECT_EQ(c.expected, WaitMilliseconds(c.limit));
  }
}

}  // namespace
