// The rich-text writer: a title, then each topic as a heading and its paragraphs.
#include "RichTextFile.h"

namespace content {
namespace {

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '{' || c == '}') out += '\\';
        out += c;
    }
    return out;
}

std::string Paragraph(const HelpParagraph& paragraph) {
    using Kind = HelpParagraph::Kind;
    std::string out;
    switch (paragraph.kind) {
    case Kind::Heading: out = "\\pard\\sb120\\sa60\\f0\\fs24\\b "; break;
    case Kind::Bullet: out = "\\pard\\li360\\fi-240\\sa60\\f0\\fs20\\b0 \\bullet\\tab "; break;
    case Kind::Code: out = "\\pard\\li360\\sa120\\f1\\fs18\\b0 "; break;
    case Kind::Text: out = "\\pard\\sa120\\f0\\fs20\\b0 "; break;
    }
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
        if (paragraph.kind == Kind::Code && i > 0) out += "\\line ";
        out += Escaped(paragraph.runs[i].text);
    }
    return out + "\\par\n";
}

}  // namespace

std::string RichText(const HelpDocument& document) {
    std::string out =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}\n"
        "\\pard\\sa240\\f0\\fs36\\b " + Escaped(document.title) + "\\par\n";
    for (const HelpTopic& topic : document.topics) {
        out += "\\pard\\sb240\\sa120\\f0\\fs28\\b " + Escaped(topic.title) + "\\par\n";
        for (const HelpParagraph& paragraph : topic.paragraphs) out += Paragraph(paragraph);
    }
    return out + "}\n";
}

}  // namespace content
