// Cutting a text of lines at its CR LF pairs. A CR that is the second byte of a two-byte character ends
// no line.
#pragma once
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

#include "text/Text.h"

// The lines of one text, in order; lines may be empty and may repeat. The list keeps its own copy of the
// text and its lines are views into that copy, so nothing done to the text it was made from touches
// them. A view stays valid while the list it came from lives unchanged (not assigned to, not moved
// from); a copied or moved list hands out views of its own. Take a Text(line) to keep a line longer.
class LineList {
public:
  class const_iterator {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator(const LineList& list, std::size_t index) : list(&list), index(index) {}
    std::string_view operator*() const { return (*list)[index]; }
    const_iterator& operator++() {
      ++index;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return index == other.index; }
    bool operator!=(const const_iterator& other) const { return index != other.index; }

  private:
    const LineList* list;
    std::size_t index;
  };

  std::size_t size() const { return spans.size(); }
  bool empty() const { return spans.empty(); }
  std::string_view operator[](std::size_t index) const {
    return std::string_view(text.data() + spans[index].begin, spans[index].length);
  }
  const_iterator begin() const { return const_iterator(*this, 0); }
  const_iterator end() const { return const_iterator(*this, spans.size()); }

  // The text the lines were cut from. Every line followed by CR LF is this text, plus a CR LF when
  // EndsWithLineBreak() is false.
  const Text& SourceText() const { return text; }
  bool EndsWithLineBreak() const {
    return !spans.empty() && spans.back().begin + spans.back().length + 2 == text.size();
  }

private:
  friend LineList SplitLines(Text&& text);

  // Offsets rather than pointers: a short text lives inside the string object and moves with it.
  struct Span {
    std::size_t begin;
    std::size_t length;
  };
  Text text;
  std::vector<Span> spans;
};

// The text cut at every CR LF: the empty text gives no lines, a text that ends with CR LF has no empty
// last line, and a CR or LF that is not part of such a pair stays inside its line.
LineList SplitLines(const Text& text);
// The same, taking over the text instead of copying it (SplitLines(controls.ReadText(box))).
LineList SplitLines(Text&& text);
