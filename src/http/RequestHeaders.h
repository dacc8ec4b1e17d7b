// The header text and the choices a request makes before it is sent; WinINet is not needed for them.
#pragma once
#include "text/Text.h"

enum class VerbKind { Get, Post, Other };

// Empty or "GET" in any letter case is a GET, "POST" in any letter case a POST.
VerbKind ClassifyVerb(const Text& verb);

// Nothing left once every space and every ideographic space (A1 A1) is taken out.
bool IsBlank(const Text& text);

// The extra headers with the default Accept, Referer (the url) and Accept-Language lines, each appended
// only when the header text does not yet name it, letter case ignored.
Text CompleteHeaders(const Text& extraHeaders, const Text& url);

// A POST with a body also says what it carries and how long it is; an empty body adds nothing.
Text AddPostHeaders(const Text& headers, const Text& postBody);
