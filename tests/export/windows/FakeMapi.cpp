// A stand-in for a mail program's Simple MAPI library. Its MAPISendMail
// writes every field it receives, one "name=value" line each, into the file
// that NATARIX_FAKE_MAPI_RECORD names, and returns the number that
// NATARIX_FAKE_MAPI_RESULT holds (0 when unset).
//
// The records come from the toolchain's own <mapi.h>, written independently
// of the mailer's declarations, so that a wrong layout there shows up as
// wrong values here.

#include <windows.h>

#include <mapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Variable(const char* name)
{
    char value[1024];
    const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

class Record {
public:
    void Number(const char* name, unsigned long long value) { Line(name, std::to_string(value)); }
    void Text(const char* name, const char* value) { Line(name, value != nullptr ? value : "(none)"); }
    void Pointer(const char* name, const void* value) { Line(name, value != nullptr ? "set" : "(none)"); }

    void Recipient(const char* name, const MapiRecipDesc* recipient)
    {
        const std::string prefix(name);
        if (recipient == nullptr) {
            Pointer(name, recipient);
            return;
        }
        Number((prefix + ".reserved").c_str(), recipient->ulReserved);
        Number((prefix + ".class").c_str(), recipient->ulRecipClass);
        Text((prefix + ".name").c_str(), recipient->lpszName);
        Text((prefix + ".address").c_str(), recipient->lpszAddress);
        Number((prefix + ".entryIdSize").c_str(), recipient->ulEIDSize);
        Pointer((prefix + ".entryId").c_str(), recipient->lpEntryID);
    }

    void File(const MapiFileDesc& file)
    {
        Number("file.reserved", file.ulReserved);
        Number("file.flags", file.flFlags);
        Number("file.position", file.nPosition);
        Text("file.path", file.lpszPathName);
        Text("file.name", file.lpszFileName);
        Pointer("file.type", file.lpFileType);
    }

    bool WriteTo(const std::string& path) const
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr)
            return false;
        const bool written = std::fwrite(text_.data(), 1, text_.size(), file) == text_.size();
        return std::fclose(file) == 0 && written;
    }

private:
    void Line(const char* name, const std::string& value) { text_ += std::string(name) + "=" + value + "\n"; }

    std::string text_;
};

}  // namespace

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE session, ULONG_PTR uiParam, lpMapiMessage message, FLAGS flags, ULONG reserved)
{
    Record record;
    record.Number("session", session);
    record.Number("uiParam", uiParam);
    record.Number("flags", flags);
    record.Number("reserved", reserved);
    if (message != nullptr) {
        record.Number("message.reserved", message->ulReserved);
        record.Text("subject", message->lpszSubject);
        record.Text("note", message->lpszNoteText);
        record.Text("messageType", message->lpszMessageType);
        record.Text("dateReceived", message->lpszDateReceived);
        record.Text("conversationId", message->lpszConversationID);
        record.Number("message.flags", message->flFlags);
        record.Recipient("originator", message->lpOriginator);
        record.Number("recipients", message->nRecipCount);
        for (ULONG i = 0; message->lpRecips != nullptr && i < message->nRecipCount; ++i)
            record.Recipient("recipient", &message->lpRecips[i]);
        record.Number("files", message->nFileCount);
        for (ULONG i = 0; message->lpFiles != nullptr && i < message->nFileCount; ++i)
            record.File(message->lpFiles[i]);
    } else {
        record.Pointer("message", message);
    }
    if (!record.WriteTo(Variable("NATARIX_FAKE_MAPI_RECORD")))
        return 2;  // MAPI_E_FAILURE
    return std::strtoul(Variable("NATARIX_FAKE_MAPI_RESULT").c_str(), nullptr, 10);
}
