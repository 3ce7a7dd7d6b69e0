#include "gui/ModelText.h"

#include <QByteArray>

#include "codec/Cp1252.h"

namespace natarix {

QString ToQString(std::string_view cp1252)
{
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToModelText(const QString& text)
{
    // toUtf8 would turn a lone surrogate into "?" without a word.
    if (!text.isValidUtf16())
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

namespace {

std::string Refusal(std::string_view fieldName, std::string_view what)
{
    return std::string("Im Feld \"").append(fieldName).append("\" ist ").append(what).append(" nicht erlaubt.");
}

std::string CodePointName(char32_t codePoint)
{
    return "U+" + QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, u'0').toStdString();
}

}  // namespace

std::optional<std::string> RefusalOf(const QString& text, std::string_view fieldName, FieldKind kind)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(c, text[i + 1]);
        // A lone surrogate has no byte either and is named like any other.
        if (CodePointToCp1252(codePoint) < 0)
            return Refusal(fieldName, "das Zeichen " + CodePointName(codePoint));
        // ";" ends a field in the entry list, "," ends the surname there.
        if (c == u';' || (c == u',' && kind == FieldKind::Surname))
            return Refusal(fieldName, std::string("das Zeichen \"") + static_cast<char>(c.unicode()) + "\"");
        // "(*" opens a comment in the DSV format.
        if (c == u'(' && i + 1 < text.size() && text[i + 1] == u'*')
            return Refusal(fieldName, "die Zeichenfolge \"(*\"");
    }
    return std::nullopt;
}

}  // namespace natarix
