#include "dsv678/LineGrammar.h"

#include "TextTools.h"

namespace natarix::dsv678 {

namespace {

// The line without its comments. Comments are removed before the line is
// cut at ";", since real comments hold ";" and ":" themselves.
std::string WithoutComments(std::string_view line, std::size_t lineNumber, std::vector<Diagnostic>& warnings)
{
    std::string kept;
    while (true) {
        const std::size_t open = line.find("(*");
        if (open == std::string_view::npos) {
            kept += line;
            return kept;
        }
        kept += line.substr(0, open);
        const std::size_t close = line.find("*)", open + 2);
        if (close == std::string_view::npos) {
            AddWarning(warnings, lineNumber,
                       "Ein Kommentar „(*“ endet nicht in seiner Zeile; der Rest der Zeile wird übergangen.");
            return kept;
        }
        line.remove_prefix(close + 2);
    }
}

Element ElementOf(std::string_view line, std::size_t lineNumber)
{
    Element element;
    element.line = lineNumber;
    const std::size_t colon = line.find(':');
    // DATEIENDE has no colon; some write a ";" after it all the same.
    if (colon == std::string_view::npos) {
        element.name = ToUpperAscii(Trim(line.substr(0, line.find(';'))));
        return element;
    }
    element.name = ToUpperAscii(Trim(line.substr(0, colon)));
    std::string_view rest = Trim(line.substr(colon + 1));
    // The ";" ends an attribute: "A;B;" holds two, "A;B;;" three, "A;B" two.
    if (rest.ends_with(';'))
        rest.remove_suffix(1);
    else if (rest.empty())
        return element;
    while (true) {
        const std::size_t semicolon = rest.find(';');
        element.fields.emplace_back(Trim(rest.substr(0, semicolon)));
        if (semicolon == std::string_view::npos)
            return element;
        rest.remove_prefix(semicolon + 1);
    }
}

}  // namespace

std::vector<Element> SplitElements(std::string_view text, std::vector<Diagnostic>& warnings)
{
    std::vector<Element> elements;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++next;
        text.remove_prefix(next);

        const std::string content = WithoutComments(line, lineNumber, warnings);
        if (!Trim(content).empty())
            elements.push_back(ElementOf(content, lineNumber));
    }
    return elements;
}

}  // namespace natarix::dsv678
