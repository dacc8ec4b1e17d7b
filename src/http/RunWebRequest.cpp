// The GUI thread sleeps in MsgWaitForMultipleObjects and wakes for every input, so the window answers
// while the worker talks to the network. A worker cut off at the limit is not killed (that would leave
// WinINet's state undefined): it runs on with its own hold on the record and destroys it when done.
#include "http/RunWebRequest.h"

#include <windows.h>

#include "http/RequestWorker.h"
#include "http/SharedRecord.h"
#include "http/TimeLimit.h"
#include "queue/PumpMessages.h"

namespace {

// WAIT_OBJECT_0 once the worker has ended, WAIT_TIMEOUT when the limit passed with no wake-up; every
// wake-up by input starts a new full wait. A closed window, or a wait that fails, counts as a time-out.
DWORD WaitForWorker(HANDLE worker, DWORD milliseconds) {
  for (;;) {
    const bool closing = QuitPending();
    DWORD result = MsgWaitForMultipleObjects(1, &worker, FALSE, closing ? 0 : milliseconds, QS_ALLEVENTS);
    PumpMessages();
    if (result == WAIT_OBJECT_0 || result == WAIT_TIMEOUT) return result;
    if (closing || result == WAIT_FAILED) return WAIT_TIMEOUT;
  }
}

}  // namespace

ByteBuffer RunWebRequest(const Text& url, const Text& verb, const Text& proxy, const Text& userName,
                         const Text& password, const Text& extraHeaders, const Text& postBody, int timeLimit,
                         Text* rawHeaders) {
  SharedRecord* shared = SharedRecord::Create();
  WriteRequest({url, verb, proxy, userName, password, extraHeaders, postBody}, shared->record);
  const DWORD milliseconds = WaitMilliseconds(timeLimit);

  shared->Hold();  // the worker's hold, let go by the worker when it ends
  DWORD threadId = 0;
  HANDLE worker = CreateThread(nullptr, 0, RequestWorkerEntry, shared, 0, &threadId);
  WebAnswer answer;
  if (worker) {
    answer = shared->CollectAnswer(WaitForWorker(worker, milliseconds) == WAIT_OBJECT_0);
    CloseHandle(worker);
  } else {
    shared->Release();
  }
  shared->Release();
  if (rawHeaders) *rawHeaders = answer.rawHeaders;
  return answer.body;
}
