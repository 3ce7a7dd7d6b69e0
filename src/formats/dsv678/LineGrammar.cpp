#include "dsv678/LineGrammar.h"

#include <algorithm>

#include "TextTools.h"
#include "dsv678/Decoding.h"

namespace natarix::dsv678 {

namespace {

// The line without its comments, in `kept` unless it has none. Comments are
// removed before the line is cut at ";", since real comments hold ";" and
// ":" themselves.
std::string_view WithoutComments(std::string_view line, std::size_t lineNumber, WarningList& warnings,
                                 std::string& kept)
{
    if (line.find("(*") == std::string_view::npos)
        return line;
    kept.clear();
    while (true) {
        const std::size_t open = line.find("(*");
        if (open == std::string_view::npos) {
            kept += line;
            return kept;
        }
        kept += line.substr(0, open);
        const std::size_t close = line.find("*)", open + 2);
        if (close == std::string_view::npos) {
            warnings.Add(lineNumber,
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
    element.fields.reserve(static_cast<std::size_t>(std::count(rest.begin(), rest.end(), ';')) + 1);
    while (true) {
        const std::size_t semicolon = rest.find(';');
        element.fields.emplace_back(Trim(rest.substr(0, semicolon)));
        if (semicolon == std::string_view::npos)
            return element;
        rest.remove_prefix(semicolon + 1);
    }
}

// The lines of the text, at least: its LF, or where it has none its CR.
std::size_t LineCount(std::string_view text)
{
    for (const char end : {'\n', '\r'}) {
        std::size_t count = 0;
        for (std::size_t at = text.find(end); at != std::string_view::npos; at = text.find(end, at + 1))
            ++count;
        if (count > 0)
            return count + 1;
    }
    return 1;
}

}  // namespace

std::vector<Element> SplitElements(std::string_view text, std::vector<Diagnostic>& warningList)
{
    WarningList warnings(warningList);
    std::vector<Element> elements;
    // Room for an element a line, so that a list of a million lines is not
    // moved from buffer to buffer as it grows; what blank lines leave unused
    // is never touched, and so takes no memory.
    elements.reserve(LineCount(text));
    std::string withoutComments;
    std::size_t lineNumber = 0;
    // The next CR and the next LF are each looked for again only once the
    // reading has passed them, so that the text is scanned once (by memchr)
    // whichever line ends it has.
    constexpr std::size_t npos = std::string_view::npos;
    std::size_t nextCr = text.find('\r');
    std::size_t nextLf = text.find('\n');
    for (std::size_t start = 0; start < text.size();) {
        ++lineNumber;
        if (nextCr != npos && nextCr < start)
            nextCr = text.find('\r', start);
        if (nextLf != npos && nextLf < start)
            nextLf = text.find('\n', start);
        const std::size_t end = std::min(nextCr, nextLf);
        const std::string_view line = text.substr(start, end == npos ? npos : end - start);
        start = end == npos ? text.size() : end + (end == nextCr && nextLf == end + 1 ? 2 : 1);

        const std::string_view content = WithoutComments(line, lineNumber, warnings, withoutComments);
        if (!Trim(content).empty())
            elements.push_back(ElementOf(content, lineNumber));
    }
    return elements;
}

std::vector<Element> HeadElements(std::string_view bytes, std::size_t count)
{
    std::vector<Element> head;
    std::vector<Diagnostic> ignored;
    for (std::size_t start = 0; start < bytes.size() && head.size() < count;) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        for (Element& element : SplitElements(DecodeFileText(bytes.substr(start, end - start)).utf8, ignored))
            head.push_back(std::move(element));
        start = end + 1;
    }
    if (head.size() > count)
        head.resize(count);
    return head;
}

}  // namespace natarix::dsv678
