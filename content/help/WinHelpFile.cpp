// The WinHelp file writer. Every topic starts a fresh topic block, so its offset (what
// |CONTEXT gives for its hash) is its block number times 0x8000; a topic's records run
// on through as many blocks as they need, each record linked to the next by its position
// (block number << 14, plus the 12-byte block header, plus the offset in the block).
#include <algorithm>
#include <map>
#include <stdexcept>

#include "WinHelpFile.h"

namespace content {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr size_t kBlockSize = 0x1000;        // a topic block, header included
constexpr size_t kBlockHeader = 12;
constexpr size_t kBlockData = kBlockSize - kBlockHeader;
constexpr uint8_t kTopicHeaderRecord = 0x02;
constexpr uint8_t kDisplayRecord = 0x20;

enum Font : uint16_t { kBodyFont = 0, kHeadingFont = 1, kCodeFont = 2, kTitleFont = 3 };

void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
void PutString(Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
    b.push_back(0);
}

// The format's packed numbers: a value times two in one (or two) bytes, the low bit telling
// the longer form; the signed forms are biased by half their range.
void PutPackedUnsigned16(Bytes& b, uint32_t v) {
    if (v < 0x80) return b.push_back(static_cast<uint8_t>(v * 2));
    Put16(b, v * 2 + 1);
}
void PutPackedSigned16(Bytes& b, int32_t v) {
    if (v > -0x40 && v < 0x40) return b.push_back(static_cast<uint8_t>(0x80 + v * 2));
    Put16(b, static_cast<uint32_t>(0x8000 + v * 2 + 1));
}
void PutPackedSigned32(Bytes& b, int32_t v) {
    if (v > -0x4000 && v < 0x4000) return Put16(b, static_cast<uint32_t>(0x8000 + v * 2));
    Put32(b, static_cast<uint32_t>(0x80000000u + v * 2 + 1));
}

// An internal file: its 9-byte header (space reserved, space used, flags) and its bytes.
Bytes InternalFile(const Bytes& body) {
    Bytes file;
    Put32(file, static_cast<uint32_t>(body.size() + 9));
    Put32(file, static_cast<uint32_t>(body.size()));
    file.push_back(4);
    Append(file, body);
    return file;
}

// A B-tree of one leaf page holding `entries` (already sorted) in the given structure.
Bytes OneLeafBTree(uint16_t flags, uint16_t pageSize, const char* structure, const Bytes& entries,
                   uint32_t count) {
    if (entries.size() + 8 > pageSize) throw std::runtime_error("help file: too many entries for one page");
    Bytes tree;
    Put16(tree, 0x293B);
    Put16(tree, flags);
    Put16(tree, pageSize);
    std::string format(structure);
    format.resize(16, '\0');
    tree.insert(tree.end(), format.begin(), format.end());
    Put16(tree, 0);       // must be zero
    Put16(tree, 0);       // page splits
    Put16(tree, 0);       // root page
    Put16(tree, 0xFFFF);  // must be -1
    Put16(tree, 1);       // pages
    Put16(tree, 1);       // levels
    Put32(tree, count);
    Put16(tree, static_cast<uint32_t>(pageSize - 8 - entries.size()));  // unused bytes
    Put16(tree, count);
    Put16(tree, 0xFFFF);  // previous leaf
    Put16(tree, 0xFFFF);  // next leaf
    Append(tree, entries);
    tree.resize(38 + pageSize, 0);
    return tree;
}

Bytes SystemFile(const HelpDocument& document) {
    Bytes system;
    Put16(system, 0x036C);  // magic
    Put16(system, 21);      // minor version: WinHelp 3.1
    Put16(system, 1);       // major version
    Put32(system, 0);       // generation date
    Put16(system, 0);       // flags: topic blocks of 4 KiB, uncompressed
    Put16(system, 1);       // record: title
    Put16(system, static_cast<uint32_t>(document.title.size() + 1));
    PutString(system, document.title);
    Put16(system, 3);  // record: the contents topic's offset
    Put16(system, 4);
    Put32(system, 0);
    return system;
}

void PutFaceName(Bytes& b, const std::string& name) {
    std::string field(name);
    field.resize(20, '\0');
    b.insert(b.end(), field.begin(), field.end());
}

void PutFont(Bytes& b, uint8_t attributes, uint8_t halfPoints, uint8_t family, uint16_t face, uint32_t rgb) {
    b.push_back(attributes);
    b.push_back(halfPoints);
    b.push_back(family);
    Put16(b, face);
    b.push_back(static_cast<uint8_t>(rgb >> 16));
    b.push_back(static_cast<uint8_t>(rgb >> 8));
    b.push_back(static_cast<uint8_t>(rgb));
    for (int i = 0; i < 3; ++i) b.push_back(0xFF);  // background
}

// Body text, headings, code and topic titles, in the order of the Font numbers.
Bytes FontFile() {
    Bytes font;
    Put16(font, 2);            // face names
    Put16(font, 4);            // descriptors
    Put16(font, 8);            // face names' offset
    Put16(font, 8 + 2 * 20);   // descriptors' offset
    PutFaceName(font, "Arial");
    PutFaceName(font, "Courier New");
    PutFont(font, 0, 20, 3, 0, 0x000000);
    PutFont(font, 1, 24, 3, 0, 0x003070);
    PutFont(font, 0, 18, 1, 1, 0x402000);
    PutFont(font, 1, 32, 3, 0, 0x003070);
    return font;
}

// One record of |TOPIC before it is placed: its type and its two data parts.
struct Record {
    uint8_t type;
    Bytes data1;
    Bytes data2;
    size_t position = 0;  // in the topic file's data, block headers left out
};

// A paragraph's format commands, each after a string of its text.
class ParagraphBuilder {
public:
    explicit ParagraphBuilder(Font font) { Command({0x80, static_cast<uint8_t>(font), 0}); }

    void Text(const std::string& text) {
        pending_ += text;
        characters_ += static_cast<uint32_t>(text.size());
    }
    void Jump(const std::string& words, int32_t hash) {
        Bytes jump{0xE3};
        Put32(jump, static_cast<uint32_t>(hash));
        Command(jump);
        Text(words);
        Command({0x89});
    }
    void LineBreak() {
        Command({0x81});
        ++characters_;
    }

    Record Finish(int32_t spaceAfter, int32_t leftIndent) {
        Command({0x82});
        ++characters_;
        Command({0xFF});
        Record record{kDisplayRecord, {}, texts_};
        PutPackedSigned32(record.data1, static_cast<int32_t>(texts_.size()));
        PutPackedUnsigned16(record.data1, characters_);
        Put32(record.data1, 0);
        Put16(record.data1, 0x0004 | 0x0010);  // space after, left indent
        PutPackedSigned16(record.data1, spaceAfter);
        PutPackedSigned16(record.data1, leftIndent);
        Append(record.data1, commands_);
        return record;
    }

private:
    void Command(const Bytes& command) {
        PutString(texts_, pending_);
        pending_.clear();
        Append(commands_, command);
    }

    std::string pending_;
    Bytes texts_, commands_;
    uint32_t characters_ = 0;
};

Record ParagraphRecord(const HelpParagraph& paragraph) {
    using Kind = HelpParagraph::Kind;
    const Font font = paragraph.kind == Kind::Heading ? kHeadingFont
                      : paragraph.kind == Kind::Code  ? kCodeFont
                                                      : kBodyFont;
    ParagraphBuilder builder(font);
    if (paragraph.kind == Kind::Bullet) builder.Text("\x95 ");
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
        const HelpRun& run = paragraph.runs[i];
        if (paragraph.kind == Kind::Code && i > 0) builder.LineBreak();
        if (run.jumpTo.empty()) builder.Text(run.text);
        else builder.Jump(run.text, HelpContextHash(run.jumpTo));
    }
    const bool indented = paragraph.kind == Kind::Bullet || paragraph.kind == Kind::Code;
    return builder.Finish(paragraph.kind == Kind::Heading ? 4 : 8, indented ? 20 : 0);
}

Record TitleRecord(const std::string& title) {
    ParagraphBuilder builder(kTitleFont);
    builder.Text(title);
    return builder.Finish(12, 0);
}

// Where each record goes: topics start on a block boundary; records follow one another.
uint32_t Reference(size_t position) {
    return static_cast<uint32_t>(((position / kBlockData) << 14) + kBlockHeader + position % kBlockData);
}

size_t RecordSize(const Record& r) { return 0x15 + r.data1.size() + r.data2.size(); }

struct TopicRecords {
    std::vector<Record> records;  // the topic header first
    size_t start = 0;
};

std::vector<TopicRecords> LayOutTopics(const HelpDocument& document) {
    std::vector<TopicRecords> topics;
    size_t position = 0;
    for (size_t t = 0; t < document.topics.size(); ++t) {
        const HelpTopic& topic = document.topics[t];
        TopicRecords laid;
        laid.start = position;
        laid.records.push_back({kTopicHeaderRecord, Bytes(28, 0), Bytes(topic.title.begin(), topic.title.end())});
        laid.records.push_back(TitleRecord(topic.title));
        for (const HelpParagraph& paragraph : topic.paragraphs) laid.records.push_back(ParagraphRecord(paragraph));
        for (Record& r : laid.records) {
            r.position = position;
            position += RecordSize(r);
        }
        position = (position + kBlockData - 1) / kBlockData * kBlockData;
        topics.push_back(std::move(laid));
    }
    return topics;
}

void FillTopicHeader(Record& header, size_t topicNumber, const TopicRecords& topic, uint32_t nextTopic) {
    size_t size = 0;
    for (const Record& r : topic.records) size += RecordSize(r);
    Set32(header.data1, 0, static_cast<uint32_t>(size));
    Set32(header.data1, 4, kNone);   // browse back
    Set32(header.data1, 8, kNone);   // browse forward
    Set32(header.data1, 12, static_cast<uint32_t>(topicNumber));
    Set32(header.data1, 16, kNone);  // no non-scrolling region
    Set32(header.data1, 20, Reference(topic.records[1].position));
    Set32(header.data1, 24, nextTopic);
}

Bytes RecordBytes(const Record& r, uint32_t previous, uint32_t next) {
    Bytes b;
    Put32(b, static_cast<uint32_t>(RecordSize(r)));
    Put32(b, static_cast<uint32_t>(r.data2.size()));
    Put32(b, previous);
    Put32(b, next);
    Put32(b, static_cast<uint32_t>(0x15 + r.data1.size()));
    b.push_back(r.type);
    Append(b, r.data1);
    Append(b, r.data2);
    return b;
}

// The records' bytes at their positions, then cut into blocks each behind its header.
Bytes TopicFile(std::vector<TopicRecords>& topics) {
    std::vector<const Record*> all;
    for (size_t t = 0; t < topics.size(); ++t) {
        const uint32_t next = t + 1 < topics.size() ? Reference(topics[t + 1].start) : kNone;
        FillTopicHeader(topics[t].records[0], t, topics[t], next);
        for (const Record& r : topics[t].records) all.push_back(&r);
    }
    Bytes data;
    for (size_t i = 0; i < all.size(); ++i) {
        const uint32_t previous = i > 0 ? Reference(all[i - 1]->position) : kNone;
        const uint32_t next = i + 1 < all.size() ? Reference(all[i + 1]->position) : kNone;
        data.resize(all[i]->position, 0);
        Append(data, RecordBytes(*all[i], previous, next));
    }
    data.resize((data.size() + kBlockData - 1) / kBlockData * kBlockData, 0);
    Bytes file;
    for (size_t block = 0; block * kBlockData < data.size(); ++block) {
        Put32(file, kNone);  // last topic link
        auto first = std::find_if(all.begin(), all.end(), [&](const Record* r) { return r->position >= block * kBlockData; });
        Put32(file, first != all.end() && (*first)->position < (block + 1) * kBlockData ? Reference((*first)->position) : kNone);
        Put32(file, kNone);  // last topic header
        file.insert(file.end(), data.begin() + block * kBlockData, data.begin() + (block + 1) * kBlockData);
    }
    return file;
}

// |CONTEXT: each topic's hash, in signed order, with the topic's offset.
Bytes ContextFile(const HelpDocument& document, const std::vector<TopicRecords>& topics) {
    std::map<int32_t, uint32_t> byHash;
    for (size_t t = 0; t < topics.size(); ++t) {
        const int32_t hash = HelpContextHash(document.topics[t].id);
        if (!byHash.emplace(hash, static_cast<uint32_t>(topics[t].start / kBlockData * 0x8000)).second)
            throw std::runtime_error("help file: two topic ids with one hash: " + document.topics[t].id);
    }
    Bytes entries;
    for (const auto& [hash, offset] : byHash) {
        Put32(entries, static_cast<uint32_t>(hash));
        Put32(entries, offset);
    }
    return OneLeafBTree(0x0002, 0x0800, "L4", entries, static_cast<uint32_t>(byHash.size()));
}

// |CTXOMAP: the map numbers that programs open topics by (HELP_CONTEXT), each topic's
// number being the hash of its id, with the topic's offset.
Bytes ContextMapFile(const HelpDocument& document, const std::vector<TopicRecords>& topics) {
    Bytes map;
    Put16(map, static_cast<uint32_t>(topics.size()));
    for (size_t t = 0; t < topics.size(); ++t) {
        Put32(map, static_cast<uint32_t>(HelpContextHash(document.topics[t].id)));
        Put32(map, static_cast<uint32_t>(topics[t].start / kBlockData * 0x8000));
    }
    return map;
}

}  // namespace

int32_t HelpContextHash(const std::string& id) {
    uint32_t hash = 0;
    for (char c : id) {
        int x = 0;
        if (c >= 'A' && c <= 'Z') x = c - 'A' + 17;
        if (c >= 'a' && c <= 'z') x = c - 'a' + 17;
        if (c >= '1' && c <= '9') x = c - '0';
        if (c == '0') x = 10;
        if (c == '.') x = 12;
        if (c == '_') x = 13;
        if (x) hash = hash * 43 + static_cast<uint32_t>(x);
    }
    return static_cast<int32_t>(hash);
}

Bytes WinHelpFileBytes(const HelpDocument& document) {
    if (document.topics.empty()) throw std::runtime_error("help file: no topics");
    std::vector<TopicRecords> topics = LayOutTopics(document);
    // The internal files in the directory's (byte) order of names.
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"|CONTEXT", InternalFile(ContextFile(document, topics))},
        {"|CTXOMAP", InternalFile(ContextMapFile(document, topics))},
        {"|FONT", InternalFile(FontFile())},
        {"|SYSTEM", InternalFile(SystemFile(document))},
        {"|TOPIC", InternalFile(TopicFile(topics))},
    };
    Bytes out(16, 0), entries;
    for (const auto& [name, file] : files) {
        PutString(entries, name);
        Put32(entries, static_cast<uint32_t>(out.size()));
        Append(out, file);
    }
    const uint32_t directory = static_cast<uint32_t>(out.size());
    Append(out, InternalFile(OneLeafBTree(0x0402, 0x0400, "z4", entries, static_cast<uint32_t>(files.size()))));
    Set32(out, 0, 0x00035F3F);
    Set32(out, 4, directory);
    Set32(out, 8, kNone);  // no free block
    Set32(out, 12, static_cast<uint32_t>(out.size()));
    return out;
}

}  // namespace content
