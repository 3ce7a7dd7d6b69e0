#include "dsv678/Document.h"

namespace natarix::dsv678 {

std::string_view ListKindName(ListKind kind)
{
    switch (kind) {
        case ListKind::Wettkampfdefinitionsliste:
            return "Wettkampfdefinitionsliste";
        case ListKind::Vereinsmeldeliste:
            return "Vereinsmeldeliste";
        case ListKind::Wettkampfergebnisliste:
            return "Wettkampfergebnisliste";
        case ListKind::Vereinsergebnisliste:
            return "Vereinsergebnisliste";
    }
    return {};
}

std::string Diagnostic::ShownText() const
{
    std::string shown = line > 0 ? "Zeile " + std::to_string(line) + ": " + text : text;
    if (furtherLines == 1)
        shown += " (und in einer weiteren Zeile)";
    else if (furtherLines > 1)
        shown += " (und in " + std::to_string(furtherLines) + " weiteren Zeilen)";
    return shown;
}

std::string_view Element::Field(std::size_t index) const
{
    return index < fields.size() ? std::string_view(fields[index]) : std::string_view();
}

std::vector<const Element*> Document::All(std::string_view name) const
{
    std::vector<const Element*> found;
    for (const Element& element : elements)
        if (element.name == name)
            found.push_back(&element);
    return found;
}

const Element* Document::First(std::string_view name) const
{
    for (const Element& element : elements)
        if (element.name == name)
            return &element;
    return nullptr;
}

}  // namespace natarix::dsv678
