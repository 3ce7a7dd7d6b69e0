#include "gui/ModelText.h"

#include <QByteArray>

namespace natarix {

QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> ToModelText(const QString& text)
{
    // toUtf8 would turn a lone surrogate into "?" without a word.
    if (!text.isValidUtf16())
        return std::nullopt;
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

namespace {

// The text in UTF-8 for the carry rule, a lone surrogate in UTF-8's
// three-byte form, by which the rule names it.
std::string TextToCheck(const QString& text)
{
    std::string out;
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) { out += text.sliced(start, end - start).toStdString(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            flush(i);
            const char16_t unit = c.unicode();
            out += static_cast<char>(0xE0 | (unit >> 12));
            out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (unit & 0x3F));
            start = i + 1;
        }
    }
    flush(text.size());
    return out;
}

}  // namespace

std::optional<std::string> RefusalOf(const QString& text, std::string_view fieldName, FieldKind kind, int formatVersion)
{
    return CarryRefusal(TextToCheck(text), fieldName, kind, formatVersion);
}

}  // namespace natarix
