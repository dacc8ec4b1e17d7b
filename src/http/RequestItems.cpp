// The item order is the whole protocol between the caller and its worker, so it lives in one place.
#include "http/RequestItems.h"

const char kRequestMarker[] = "Courier";
const char kAnswerStatus[] = "Courier_OK";

void WriteRequest(const WebRequest& request, RequestRecord& record) {
  record.Seek(0);
  record.WriteText(kRequestMarker);
  for (const Text* text : {&request.url, &request.verb, &request.proxy, &request.userName, &request.password,
                           &request.extraHeaders, &request.postBody}) {
    record.WriteText(*text);
  }
}

std::optional<WebRequest> TakeRequest(RequestRecord& record) {
  record.Seek(0);
  if (record.Read({ItemKind::Text})[0] != kRequestMarker) return std::nullopt;
  const ItemKind t = ItemKind::Text;
  std::vector<ByteBuffer> texts = record.Read({t, t, t, t, t, t, t});
  record.Clear();
  return WebRequest{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};
}

void WriteAnswer(const Text& rawHeaders, const ByteBuffer& body, RequestRecord& record) {
  record.Seek(0);
  record.WriteText(kAnswerStatus);
  record.WriteText(rawHeaders);
  record.WriteBytes(body);
}

WebAnswer ReadAnswer(RequestRecord& record) {
  record.Seek(0);
  std::vector<ByteBuffer> items = record.Read({ItemKind::Text, ItemKind::Text, ItemKind::Bytes});
  return WebAnswer{items[0], items[1], items[2]};
}
