// Reading our help source text into a help document.
#include <set>
#include <sstream>
#include <stdexcept>

#include "HelpDocument.h"

namespace content {
namespace {

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool IsLinkAt(const std::string& text, size_t open, size_t& bar, size_t& close) {
    bar = text.find('|', open);
    close = text.find('}', open);
    if (bar == std::string::npos || close == std::string::npos || bar > close || bar == open + 1) return false;
    return text.find_first_of(" {", open + 1) > bar;
}

// Splits text with "{id|words}" links into runs; other braces are text.
std::vector<HelpRun> Runs(const std::string& text) {
    std::vector<HelpRun> runs;
    std::string plain;
    size_t at = 0;
    while (at < text.size()) {
        size_t bar = 0, close = 0;
        if (text[at] != '{' || !IsLinkAt(text, at, bar, close)) {
            plain += text[at++];
            continue;
        }
        if (!plain.empty()) runs.push_back({plain, std::string()});
        plain.clear();
        runs.push_back({text.substr(bar + 1, close - bar - 1), text.substr(at + 1, bar - at - 1)});
        at = close + 1;
    }
    if (!plain.empty()) runs.push_back({plain, std::string()});
    return runs;
}

class SourceReader {
public:
    void Line(const std::string& raw, int number) {
        number_ = number;
        if (StartsWith(raw, "    ") && !Trim(raw).empty()) return CodeLine(raw.substr(4));
        const std::string line = Trim(raw);
        if (line.empty()) return EndParagraph();
        if (StartsWith(line, "# ") && document_.title.empty() && document_.topics.empty()) {
            document_.title = Trim(line.substr(2));
        } else if (StartsWith(line, "=== ")) {
            Paragraph(HelpParagraph::Kind::Heading, line.substr(4));
        } else if (StartsWith(line, "== ")) {
            StartTopic(line.substr(3));
        } else if (StartsWith(line, "- ")) {
            Paragraph(HelpParagraph::Kind::Bullet, line.substr(2));
        } else {
            TextLine(line);
        }
    }

    HelpDocument Finish() {
        EndParagraph();
        CheckLinks();
        return document_;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("line " + std::to_string(number_) + ": " + what);
    }

    HelpTopic& Topic() {
        if (document_.topics.empty()) Fail("text before the first topic");
        return document_.topics.back();
    }

    void StartTopic(const std::string& heading) {
        EndParagraph();
        const size_t bar = heading.find('|');
        if (bar == std::string::npos) Fail("a topic is \"== id | Title\"");
        document_.topics.push_back({Trim(heading.substr(0, bar)), Trim(heading.substr(bar + 1)), {}});
    }

    void Paragraph(HelpParagraph::Kind kind, const std::string& text) {
        EndParagraph();
        Topic().paragraphs.push_back({kind, Runs(Trim(text))});
    }

    void TextLine(const std::string& line) {
        if (!open_.empty() && openKind_ == HelpParagraph::Kind::Code) EndParagraph();
        open_ += open_.empty() ? line : " " + line;
        openKind_ = HelpParagraph::Kind::Text;
    }

    void CodeLine(const std::string& line) {
        if (!open_.empty() && openKind_ != HelpParagraph::Kind::Code) EndParagraph();
        if (openKind_ != HelpParagraph::Kind::Code || code_.runs.empty()) code_ = {HelpParagraph::Kind::Code, {}};
        openKind_ = HelpParagraph::Kind::Code;
        code_.runs.push_back({line, std::string()});
        open_ = "code";
    }

    void EndParagraph() {
        if (open_.empty()) return;
        if (openKind_ == HelpParagraph::Kind::Code) {
            Topic().paragraphs.push_back(code_);
            code_.runs.clear();
        } else {
            Topic().paragraphs.push_back({HelpParagraph::Kind::Text, Runs(open_)});
        }
        open_.clear();
        openKind_ = HelpParagraph::Kind::Text;
    }

    void CheckLinks() const {
        std::set<std::string> ids;
        for (const HelpTopic& topic : document_.topics)
            if (!ids.insert(topic.id).second) throw std::runtime_error("two topics are named " + topic.id);
        for (const HelpTopic& topic : document_.topics)
            for (const HelpParagraph& paragraph : topic.paragraphs)
                for (const HelpRun& run : paragraph.runs)
                    if (!run.jumpTo.empty() && !ids.count(run.jumpTo))
                        throw std::runtime_error("topic " + topic.id + " links to no topic " + run.jumpTo);
    }

    HelpDocument document_;
    std::string open_;
    HelpParagraph::Kind openKind_ = HelpParagraph::Kind::Text;
    HelpParagraph code_;
    int number_ = 0;
};

}  // namespace

HelpDocument ParseHelpSource(const std::string& source) {
    SourceReader reader;
    std::istringstream in(source);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        reader.Line(line, ++number);
    }
    return reader.Finish();
}

std::vector<std::string> CodeExamples(const HelpDocument& document) {
    std::vector<std::string> examples;
    for (const HelpTopic& topic : document.topics)
        for (const HelpParagraph& paragraph : topic.paragraphs) {
            if (paragraph.kind != HelpParagraph::Kind::Code) continue;
            std::string text;
            for (const HelpRun& line : paragraph.runs) text += line.text + "\n";
            examples.push_back(text);
        }
    return examples;
}

}  // namespace content
