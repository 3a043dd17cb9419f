#include "ScriptRewrite.h"

#include <algorithm>
#include <numeric>

namespace {

// The place order: by start; at one start insertions before replacements, wider
// replacements before the ones they hold; otherwise the given order.
std::vector<size_t> PlaceOrder(const std::vector<ScriptEdit>& edits) {
    std::vector<size_t> order(edits.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const ScriptEdit& x = edits[a];
        const ScriptEdit& y = edits[b];
        if (x.start != y.start) return x.start < y.start;
        if (x.insert != y.insert) return x.insert;
        return !x.insert && x.end > y.end;
    });
    return order;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t Offset(int32_t position, size_t size) {
    if (position <= 0) return 0;
    return std::min(static_cast<size_t>(position), size);
}

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// A value whose text is taken away leaves no line of blanks: when nothing but blanks stands
// around it on its lines, the lines go with it, line end and all. Nothing before `read`,
// which is written already, is taken.
void WidenToWholeLines(const std::string& script, size_t read, size_t& from, size_t& to) {
    size_t begin = from;
    while (begin > read && IsSpaceOrTab(script[begin - 1])) --begin;
    if (begin > 0 && script[begin - 1] != '\n' && script[begin - 1] != '\r') return;
    size_t end = to;
    while (end < script.size() && IsSpaceOrTab(script[end])) ++end;
    const size_t lineEnd = end;
    if (end < script.size() && script[end] == '\r') ++end;
    if (end < script.size() && script[end] == '\n') ++end;
    if (end == lineEnd && end < script.size()) return;  // more stands on the line
    from = begin;
    to = end;
}

}  // namespace

std::string RewriteScript(const std::string& script, const std::vector<ScriptEdit>& edits) {
    std::string out;
    out.reserve(script.size() + script.size() / 8);
    size_t read = 0;  // bytes of the script copied or replaced so far
    for (size_t index : PlaceOrder(edits)) {
        const ScriptEdit& edit = edits[index];
        const size_t from = Offset(edit.start - 1, script.size());
        if (edit.insert) {
            if (from < read) continue;  // its place was replaced
            out.append(script, read, from - read);
            read = from;
            if (edit.text.empty()) continue;
            // A token written right up to the place ("Plum}") must not run into the text.
            if (!out.empty() && !IsBlank(out.back())) out += ' ';
            out += edit.text + ' ';
            continue;
        }
        size_t to = Offset(edit.end, script.size());
        if (to <= read) continue;  // inside a replacement already written
        size_t cut = from;
        if (edit.text.empty() && from >= read) WidenToWholeLines(script, read, cut, to);
        if (cut > read) out.append(script, read, cut - read);
        out += edit.text;
        read = std::max(read, to);
    }
    out.append(script, read, std::string::npos);
    return out;
}
