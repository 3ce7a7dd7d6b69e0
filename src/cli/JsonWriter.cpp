#include "JsonWriter.h"

namespace natarix {

void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMember_.empty())
        return;
    if (hasMember_.back())
        text_ += ',';
    hasMember_.back() = true;
    text_ += '\n';
    text_.append(hasMember_.size() * 2, ' ');
}

void JsonWriter::Open(char bracket)
{
    BeforeValue();
    text_ += bracket;
    hasMember_.push_back(false);
}

void JsonWriter::Close(char bracket)
{
    const bool hadMembers = hasMember_.back();
    hasMember_.pop_back();
    if (hadMembers) {
        text_ += '\n';
        text_.append(hasMember_.size() * 2, ' ');
    }
    text_ += bracket;
    if (hasMember_.empty())
        text_ += '\n';
}

JsonWriter& JsonWriter::BeginObject()
{
    Open('{');
    return *this;
}
JsonWriter& JsonWriter::EndObject()
{
    Close('}');
    return *this;
}
JsonWriter& JsonWriter::BeginArray()
{
    Open('[');
    return *this;
}
JsonWriter& JsonWriter::EndArray()
{
    Close(']');
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    String(key);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8)
{
    BeforeValue();
    static constexpr char kHex[] = "0123456789abcdef";
    text_ += '"';
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (c == '\n') {
            text_ += "\\n";
        } else if (c == '\r') {
            text_ += "\\r";
        } else if (c == '\t') {
            text_ += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            text_ += "\\u00";
            text_ += kHex[byte >> 4];
            text_ += kHex[byte & 0xF];
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value)
{
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

}  // namespace natarix
