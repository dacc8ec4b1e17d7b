// The request and the answer as items of a RequestRecord, written and read the same way by both sides.
#pragma once
#include <optional>

#include "http/RequestRecord.h"
#include "text/Text.h"

struct WebRequest {
  Text url;
  Text verb;          // empty means GET
  Text proxy;         // host:port; empty or blank means a direct connection
  Text userName;
  Text password;
  Text extraHeaders;  // lines ending in CR LF, placed before the default ones
  Text postBody;
};

struct WebAnswer {
  Text status;
  Text rawHeaders;
  ByteBuffer body;
};

extern const char kRequestMarker[];  // "Courier"
extern const char kAnswerStatus[];   // "Courier_OK"

// The marker and the seven texts, from position 0 of an empty record.
void WriteRequest(const WebRequest& request, RequestRecord& record);

// The worker's side: the request when the record starts with the marker, and the record emptied; nothing
// and the record's bytes left as they were otherwise.
std::optional<WebRequest> TakeRequest(RequestRecord& record);

// The status, the raw headers and the body, from position 0 of the emptied record.
void WriteAnswer(const Text& rawHeaders, const ByteBuffer& body, RequestRecord& record);

// The three answer items from position 0; all empty when the record holds no answer.
WebAnswer ReadAnswer(RequestRecord& record);
