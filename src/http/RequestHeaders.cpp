// Default lines are appended only when missing, so a caller's own Accept or Referer wins; the search
// ignores ASCII letter case as HTTP header names do.
#include "http/RequestHeaders.h"

#include "text/ReplaceText.h"
#include "text/TextSearch.h"

namespace {

bool Names(const Text& headers, const Text& name) {
  return ContainsText(headers, name, LetterCase::IgnoreAscii);
}

Text UpperAscii(Text text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

VerbKind ClassifyVerb(const Text& verb) {
  const Text upper = UpperAscii(verb);
  if (upper.empty() || upper == "GET") return VerbKind::Get;
  return upper == "POST" ? VerbKind::Post : VerbKind::Other;
}

bool IsBlank(const Text& text) {
  return ReplaceText(ReplaceText(text, " ", ""), "\xA1\xA1", "").empty();
}

Text CompleteHeaders(const Text& extraHeaders, const Text& url) {
  Text headers = extraHeaders;
  if (!Names(headers, "Accept: ")) {
    headers += "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
               "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
  }
  if (!Names(headers, "Referer: ")) headers += "Referer: " + url + "\r\n";
  if (!Names(headers, "Accept-Language: ")) headers += "Accept-Language: zh-cn\r\n";
  return headers;
}

Text AddPostHeaders(const Text& headers, const Text& postBody) {
  if (postBody.empty()) return headers;
  Text completed = headers;
  if (!Names(completed, "Content-Type: ")) completed += "Content-Type: application/x-www-form-urlencoded\r\n";
  completed += "Content-Length: " + std::to_string(postBody.size()) + "\r\n";
  return completed;
}
