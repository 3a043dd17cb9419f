// Our help sources and the files written from them: every link finds its topic, the
// WinHelp file read back the way the help viewer walks it (directory, topic records,
// context B-tree) holds every topic, every example in the machine authors' reference
// compiles without a word, and the build wrote the files from the sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BuiltFileFolder.h"
#include "CompileHelpers.h"
#include "HelpDocument.h"
#include "RichTextFile.h"
#include "WinHelpFile.h"

namespace {

using content::HelpDocument;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

HelpDocument Source(const char* name) {
    return content::ParseHelpSource(ReadText(std::string(VSL_HELP_SOURCE_DIR "/") + name));
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b.at(at) | (b.at(at + 1) << 8)); }

// Reads a WinHelp file the way the viewer does: one-leaf B-trees, uncompressed topics.
class HelpFileReader {
public:
    explicit HelpFileReader(std::vector<uint8_t> bytes) : b_(std::move(bytes)) {}

    bool Valid() const { return U32(b_, 0) == 0x00035F3F && U32(b_, 12) == b_.size(); }

    // The offset of the named internal file's header, or 0.
    size_t File(const std::string& name) const {
        for (const auto& [key, at] : Leaf(U32(b_, 4))) {
            const std::string entry(reinterpret_cast<const char*>(&b_[key]));
            if (entry == name) return U32(b_, at);
        }
        return 0;
    }

    // Topic titles by topic offset, walking the records from the first through the
    // topic blocks' data laid end to end.
    std::map<uint32_t, std::string> Topics() const {
        const size_t topic = File("|TOPIC");
        std::vector<uint8_t> data;
        for (size_t at = topic + 9 + 0x0C; at < topic + U32(b_, topic); at += 0x1000)
            data.insert(data.end(), b_.begin() + at, b_.begin() + at + 0x1000 - 0x0C);
        std::map<uint32_t, std::string> titles;
        for (uint32_t ref = 0x0C; ref != 0xFFFFFFFF;) {
            const size_t block = (ref - 0x0C) >> 14, at = block * (0x1000 - 0x0C) + ((ref - 0x0C) & 0x3FFF);
            if (data.at(at + 0x14) == 0x02)
                titles[uint32_t(block * 0x8000)] =
                    std::string(reinterpret_cast<const char*>(&data[at + U32(data, at + 0x10)]), U32(data, at + 4));
            ref = U32(data, at + 0x0C);
        }
        return titles;
    }

    // The topic offset |CONTEXT gives for a hash, or -1.
    int64_t Context(int32_t hash) const {
        for (const auto& [entry, unused] : Leaf(File("|CONTEXT"), 4))
            if (int32_t(U32(b_, entry)) == hash) return U32(b_, entry + 4);
        return -1;
    }

    // The topic offset |CTXOMAP gives for a map number (what a program's HELP_CONTEXT
    // asks for), or -1; also -1 without a map.
    int64_t Mapped(uint32_t number) const {
        const size_t map = File("|CTXOMAP");
        if (!map) return -1;
        for (uint16_t i = 0; i < U16(b_, map + 9); ++i)
            if (U32(b_, map + 11 + i * 8u) == number) return U32(b_, map + 11 + i * 8u + 4);
        return -1;
    }

private:
    // The (key, value) offsets of a one-page B-tree's leaf entries; names are zero-ended
    // unless keys have a fixed size.
    std::vector<std::pair<size_t, size_t>> Leaf(size_t tree, size_t keySize = 0) const {
        std::vector<std::pair<size_t, size_t>> entries;
        EXPECT_EQ(U16(b_, tree + 9), 0x293B);
        size_t at = tree + 9 + 38 + 8;
        for (uint16_t i = 0; i < U16(b_, tree + 9 + 38 + 2); ++i) {
            const size_t key = at;
            at += keySize ? keySize : std::strlen(reinterpret_cast<const char*>(&b_[at])) + 1;
            entries.push_back({key, at});
            at += 4;
        }
        return entries;
    }

    std::vector<uint8_t> b_;
};

TEST(HelpSources, EveryLinkFindsItsTopic) {
    for (const char* name : {"game_help.txt", "viradu_reference.txt", "milestone_notes.txt"}) {
        SCOPED_TRACE(name);
        const HelpDocument document = Source(name);
        EXPECT_FALSE(document.title.empty());
        EXPECT_GE(document.topics.size(), 3u);
    }
    EXPECT_THROW(content::ParseHelpSource("# T\n== a | A\nsee {b|B}\n"), std::runtime_error);
    EXPECT_THROW(content::ParseHelpSource("# T\ntext before a topic\n"), std::runtime_error);
}

TEST(HelpSources, ParagraphsLinksAndCodeAreRead) {
    const HelpDocument d = content::ParseHelpSource(
        "# Title\n== one | One\nFirst line\nsecond {two|Two} line.\n\n=== Head\n- bullet\n    code 1\n    code 2\n"
        "== two | Two\nback\n");
    ASSERT_EQ(d.topics.size(), 2u);
    const auto& p = d.topics[0].paragraphs;
    ASSERT_EQ(p.size(), 4u);
    ASSERT_EQ(p[0].runs.size(), 3u);
    EXPECT_EQ(p[0].runs[0].text, "First line second ");
    EXPECT_EQ(p[0].runs[1].jumpTo, "two");
    EXPECT_EQ(p[1].kind, content::HelpParagraph::Kind::Heading);
    EXPECT_EQ(p[2].kind, content::HelpParagraph::Kind::Bullet);
    EXPECT_EQ(content::CodeExamples(d), std::vector<std::string>{"code 1\ncode 2\n"});
}

TEST(WinHelpFile, TheViewerFindsEveryTopicAndEveryLinkTarget) {
    for (const char* name : {"game_help.txt", "viradu_reference.txt"}) {
        SCOPED_TRACE(name);
        const HelpDocument document = Source(name);
        const HelpFileReader file(content::WinHelpFileBytes(document));
        ASSERT_TRUE(file.Valid());
        for (const char* internal : {"|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT"}) EXPECT_NE(file.File(internal), 0u);
        const auto topics = file.Topics();
        ASSERT_EQ(topics.size(), document.topics.size());
        EXPECT_EQ(topics.begin()->first, 0u);  // the contents page comes first
        for (const content::HelpTopic& topic : document.topics) {
            const int64_t offset = file.Context(content::HelpContextHash(topic.id));
            ASSERT_NE(offset, -1) << topic.id;
            EXPECT_EQ(topics.at(uint32_t(offset)), topic.title);
        }
    }
}

// The creator's tools open a topic by the hash of its id (HELP_CONTEXT): the map gives
// every topic under that number, the tools' topics among them.
TEST(WinHelpFile, AProgramOpensEveryTopicByTheHashOfItsId) {
    const HelpDocument document = Source("viradu_reference.txt");
    const HelpFileReader file(content::WinHelpFileBytes(document));
    ASSERT_TRUE(file.Valid());
    const auto topics = file.Topics();
    for (const content::HelpTopic& topic : document.topics) {
        const int64_t offset = file.Mapped(uint32_t(content::HelpContextHash(topic.id)));
        ASSERT_NE(offset, -1) << topic.id;
        EXPECT_EQ(topics.at(uint32_t(offset)), topic.title);
    }
    std::set<std::string> ids;
    for (const content::HelpTopic& topic : document.topics) ids.insert(topic.id);
    EXPECT_EQ(ids.count("editor"), 1u);
    EXPECT_EQ(ids.count("wizard"), 1u);
}

std::string TopicText(const HelpDocument& document, const std::string& id) {
    std::string text;
    for (const content::HelpTopic& topic : document.topics) {
        if (topic.id != id) continue;
        for (const content::HelpParagraph& paragraph : topic.paragraphs)
            for (const content::HelpRun& run : paragraph.runs) text += run.text + " ";
    }
    return text;
}

// The editor's topic tells of the editor's pages, and how the tools' topics open.
TEST(ViraduReference, TheEditorTopicDescribesTheEditorsPages) {
    const HelpDocument document = Source("viradu_reference.txt");
    const std::string editor = TopicText(document, "editor");
    EXPECT_EQ(editor.find("colours"), std::string::npos) << editor;
    for (const char* page : {"Graphics:", "Payouts:", "Reels:", "Animations:", "Sounds:"})
        EXPECT_NE(editor.find(page), std::string::npos) << page;
    EXPECT_NE(editor.find("F1"), std::string::npos);
    EXPECT_NE(TopicText(document, "wizard").find("F1"), std::string::npos);
}

TEST(RichTextFile, TheNotesAreOneRichTextGroupWithEveryTopic) {
    const HelpDocument notes = Source("milestone_notes.txt");
    const std::string rtf = content::RichText(notes);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{') - std::count(rtf.begin(), rtf.end(), '}'), 0);
    for (const content::HelpTopic& topic : notes.topics) EXPECT_NE(rtf.find(topic.title), std::string::npos);
}

TEST(ViraduReference, EveryExampleCompilesWithoutAWord) {
    const std::vector<std::string> examples = content::CodeExamples(Source("viradu_reference.txt"));
    ASSERT_GE(examples.size(), 4u);
    for (const std::string& example : examples) {
        MachineDescription md;
        RecordingSink sink;
        CompileText(md, example, sink);
        EXPECT_EQ(sink.messages, std::vector<std::string>{}) << example;
        EXPECT_TRUE(md.IsCompiled()) << example;
    }
}

#ifdef VSL_PROGRAM_DIR
TEST(HelpFiles, TheBuildWroteThemFromTheSources) {
    const std::string dir = BuiltFileFolder(VSL_PROGRAM_DIR "/");
    for (auto [source, target] : {std::pair{"game_help.txt", "vS_HELP.hlp"}, {"viradu_reference.txt", "viradu.hlp"}}) {
        const std::vector<uint8_t> bytes = content::WinHelpFileBytes(Source(source));
        EXPECT_EQ(ReadText(dir + target), std::string(bytes.begin(), bytes.end())) << target;
    }
    EXPECT_EQ(ReadText(dir + "VevuVura.doc"), content::RichText(Source("milestone_notes.txt")));
}
#endif

}  // namespace
