#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dsv678/LineGrammar.h"

namespace natarix::dsv678 {
namespace {

// "NAME@line{field}{field}" per element, separated by blanks.
std::string Rendered(const std::vector<Element>& elements)
{
    std::string text;
    for (const Element& element : elements) {
        text += (text.empty() ? "" : " ") + element.name + "@" + std::to_string(element.line);
        for (const std::string& field : element.fields)
            text += "{" + field + "}";
    }
    return text;
}

TEST(Dsv678LineGrammar, SplitsLinesCommentsAndFields)
{
    struct Case {
        std::string text;
        std::string elements;
        std::size_t warnings = 0;
    };
    const Case cases[] = {
        {"A:x;y;", "A@1{x}{y}"},
        {"A:x;y;;", "A@1{x}{y}{}"},
        {"A:x;y", "A@1{x}{y}"},
        {"A:x;y;  \t", "A@1{x}{y}"},
        {"A:", "A@1"},
        {"A:;", "A@1{}"},
        {"A: ; ;", "A@1{}{}"},
        {"  wettkampf \t: a : b ; c", "WETTKAMPF@1{a : b}{c}"},
        {"DATEIENDE", "DATEIENDE@1"},
        {"dateiende;", "DATEIENDE@1"},
        {"A:\"x;y\";", "A@1{\"x}{y\"}"},
        {"(* nur Kommentar; mit: allem *)", ""},
        {"A:1 (* ; *) ;2; (* KONTOINHABER: Name; *)", "A@1{1}{2}"},
        {"A(**):1;", "A@1{1}"},
        {"(* (* nicht verschachtelt *) A:1;", "A@1{1}"},
        {"A:1;*)", "A@1{1}{*)}"},
        {"A:1; (* offen", "A@1{1}", 1},
        {"(* offen\r\n(* auch", "", 2},
        {"A:x\r\nB:y\nC:z\rD:w", "A@1{x} B@2{y} C@3{z} D@4{w}"},
        {"\r\n\r\n  \t\r\nA:1;\r\n", "A@4{1}"},
        {"A:1;\r\n\rB:2;", "A@1{1} B@3{2}"},
        {":x;", "@1{x}"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::vector<Diagnostic> warnings;
        EXPECT_EQ(Rendered(SplitElements(c.text, warnings)), c.elements) << c.text;
        std::size_t counted = 0;
        for (const Diagnostic& warning : warnings)
            counted += 1 + warning.furtherLines;
        EXPECT_EQ(counted, c.warnings) << c.text;
    }
}

}  // namespace
}  // namespace natarix::dsv678
