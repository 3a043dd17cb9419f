// A help file as our content generator holds it before writing: topics of paragraphs,
// each paragraph a list of runs of text, some of which jump to another topic.
#pragma once
#include <string>
#include <vector>

namespace content {

struct HelpRun {
    std::string text;
    std::string jumpTo;  // the id of the topic this run links to; empty for plain text
};

struct HelpParagraph {
    enum class Kind { Heading, Text, Bullet, Code };
    Kind kind = Kind::Text;
    std::vector<HelpRun> runs;  // in Code paragraphs each run is one line
};

struct HelpTopic {
    std::string id;  // the context name links use
    std::string title;
    std::vector<HelpParagraph> paragraphs;
};

struct HelpDocument {
    std::string title;
    std::vector<HelpTopic> topics;  // the first is the contents page
};

// Reads our help source text:
//   "# Title"                  the document's title (once, first)
//   "== id | Topic title"      starts a topic
//   "=== Heading"              a heading inside a topic
//   "- text"                   a bullet
//   four blanks, then text     a line of code; adjacent code lines form one example
//   other lines                paragraph text; a blank line ends the paragraph
// Inside text, "{id|words}" links the words to the topic named id. Throws
// std::runtime_error naming the line for text outside a topic, and for a link to a topic
// the document does not have.
HelpDocument ParseHelpSource(const std::string& source);

// The code paragraphs of the document, each joined into one text with newlines.
std::vector<std::string> CodeExamples(const HelpDocument& document);

}  // namespace content
