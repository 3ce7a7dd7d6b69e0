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
    if (line == 0)
        return text;
    std::string where = "Zeile " + std::to_string(line);
    if (furtherLines == 1)
        where += " und eine weitere";
    else if (furtherLines > 1)
        where += " und " + std::to_string(furtherLines) + " weitere";
    return where + ": " + text;
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
