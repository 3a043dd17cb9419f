#include "ScriptStream.h"

#include <cstdio>
#include <utility>

bool ScriptStream::Open(const std::string& path) {
    Close();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string bytes;
    char block[4096];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return false;
    Assign(std::move(bytes));
    return true;
}

void ScriptStream::Assign(std::string bytes) {
    data_ = std::move(bytes);
    end_ = data_.find('\x1a');
    if (end_ == std::string::npos) end_ = data_.size();
    pos_ = lastPos_ = 0;
    open_ = true;
}

void ScriptStream::Close() {
    data_.clear();
    end_ = pos_ = lastPos_ = 0;
    open_ = false;
}

int ScriptStream::Get() {
    lastPos_ = pos_;
    if (pos_ >= end_) return kEnd;
    unsigned char c = static_cast<unsigned char>(data_[pos_++]);
    if (c == '\r') {
        if (pos_ < end_ && data_[pos_] == '\n') ++pos_;
        return '\n';
    }
    return c;
}

void ScriptStream::Unget() { pos_ = lastPos_; }

std::string ScriptStream::ReadRest() {
    std::string out = TextFrom(pos_);
    pos_ = lastPos_ = end_;
    return out;
}

std::string ScriptStream::TextFrom(size_t offset) const {
    std::string out;
    for (size_t i = offset; i < end_; ++i) {
        char c = data_[i];
        if (c == '\r') {
            if (i + 1 < end_ && data_[i + 1] == '\n') continue;
            c = '\n';
        }
        if (c != 0) out.push_back(c);
    }
    return out;
}

size_t ScriptStream::LineStart(size_t offset) const {
    if (offset > end_) offset = end_;
    while (offset > 0 && data_[offset - 1] != '\n' && data_[offset - 1] != '\r') --offset;
    return offset;
}

bool ScriptStream::BlankBetween(size_t from, size_t to) const {
    for (size_t i = from; i < to && i < end_; ++i)
        if (data_[i] != ' ' && data_[i] != '\t') return false;
    return true;
}
