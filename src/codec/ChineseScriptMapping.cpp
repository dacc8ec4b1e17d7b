// Simplified and Traditional Chinese characters within GBK, mapped by the platform for locale 2052.
#include "codec/TextCodec.h"

#include <windows.h>

namespace {

constexpr LCID kLocaleChinesePrc = 2052;

// The output starts as one space per input byte and is handed to the platform at that size: when the
// platform cannot map the text into it, the spaces are what comes back.
Text MapChineseScript(DWORD flag, const Text& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  Text output(text.size(), ' ');
  LCMapStringA(kLocaleChinesePrc, flag, text.data(), length, &output[0], length);
  return output.substr(0, output.find('\0'));
}

}  // namespace

Text TextCodec::SimplifiedToTraditional(const Text& text) const {
  return MapChineseScript(LCMAP_TRADITIONAL_CHINESE, text);
}

Text TextCodec::TraditionalToSimplified(const Text& text) const {
  return MapChineseScript(LCMAP_SIMPLIFIED_CHINESE, text);
}
