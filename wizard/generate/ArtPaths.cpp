#include "ArtPaths.h"

std::string ExpandArtVariables(const std::string& text, const std::string& placeholder,
                               const std::string& replacement)
{
    if (placeholder.empty())
        return text;
    std::string result;
    std::string::size_type from = 0;
    for (;;) {
        const std::string::size_type at = text.find(placeholder, from);
        if (at == std::string::npos)
            break;
        result.append(text, from, at - from);
        result += replacement;
        from = at + placeholder.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string ExpandArtPath(const std::string& text, const std::string& clipArt)
{
    return ExpandArtVariables(text, "$artpath", clipArt);
}

std::string GalleryPath(const std::string& clipArt)
{
    return clipArt + "\\gallery.ast";
}

std::string ArtFullPath(const ArtRef& ref, const std::string& clipArt)
{
    return clipArt + "\\" + ref.file;
}

std::string ArtRefText(const ArtRef& ref, const std::string& clipArt)
{
    std::string text = " \"" + ArtFullPath(ref, clipArt) + "\"";
    if (ref.isAsset)
        text += "," + std::to_string(ref.index);
    return text;
}
