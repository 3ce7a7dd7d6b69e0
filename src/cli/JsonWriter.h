#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace natarix {

// Builds indented JSON text from UTF-8 strings.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Integer(std::int64_t value);
    JsonWriter& Bool(bool value);

    const std::string& text() const { return text_; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text_;
    // Per open container: whether it has a member yet.
    std::vector<bool> hasMember_;
    bool afterKey_ = false;
};

}  // namespace natarix
