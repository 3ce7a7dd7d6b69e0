#include "export/MapiMailer.h"

#include <optional>
#include <string>

#include <windows.h>

#include "platform/FileOps.h"

namespace natarix {

namespace {

// The Simple MAPI records and entry point, as the published interface
// defines them.
struct MapiRecipDesc {
    ULONG ulReserved;
    ULONG ulRecipClass;
    LPSTR lpszName;
    LPSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};

struct MapiFileDesc {
    ULONG ulReserved;
    ULONG flFlags;
    ULONG nPosition;
    LPSTR lpszPathName;
    LPSTR lpszFileName;
    LPVOID lpFileType;
};

struct MapiMessage {
    ULONG ulReserved;
    LPSTR lpszSubject;
    LPSTR lpszNoteText;
    LPSTR lpszMessageType;
    LPSTR lpszDateReceived;
    LPSTR lpszConversationID;
    ULONG flFlags;
    MapiRecipDesc* lpOriginator;
    ULONG nRecipCount;
    MapiRecipDesc* lpRecips;
    ULONG nFileCount;
    MapiFileDesc* lpFiles;
};

using MapiSendMailFunction = ULONG(WINAPI*)(ULONG_PTR session, ULONG_PTR uiParam, MapiMessage* message, ULONG flags,
                                            ULONG reserved);

constexpr ULONG kMapiTo = 1;
constexpr ULONG kMapiLogonUi = 0x1;
constexpr ULONG kMapiDialog = 0x8;
constexpr ULONG kNotPlaced = static_cast<ULONG>(-1);
constexpr const char* kMailClientsKey = "SOFTWARE\\Clients\\Mail";

class RegistryKey {
public:
    explicit RegistryKey(const std::string& path)
    {
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~RegistryKey()
    {
        if (key_ != nullptr)
            ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return key_ != nullptr; }

    // A string value of any length; nullptr names the key's default value.
    // Values of other types (numbers, binary data) are no path to load.
    std::optional<std::string> ReadString(const char* valueName) const
    {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (::RegQueryValueExA(key_, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || !IsText(type))
            return std::nullopt;
        std::string value(size, '\0');
        if (::RegQueryValueExA(key_, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
                ERROR_SUCCESS ||
            !IsText(type))
            return std::nullopt;
        value.resize(size);
        while (!value.empty() && value.back() == '\0')
            value.pop_back();
        return value;
    }

private:
    static bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

    HKEY key_ = nullptr;
};

std::string EnvironmentVariable(const std::string& name)
{
    const DWORD size = ::GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::string value(size, '\0');
    const DWORD length = ::GetEnvironmentVariableA(name.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
}

std::optional<std::string> MailLibraryPath()
{
    const RegistryKey clients(kMailClientsKey);
    if (!clients.IsOpen())
        return std::nullopt;
    const std::optional<std::string> clientName = clients.ReadString(nullptr);
    if (!clientName)
        return std::nullopt;
    const RegistryKey client(std::string(kMailClientsKey) + "\\" + *clientName);
    if (!client.IsOpen())
        return std::nullopt;
    const std::optional<std::string> path =
        client.ReadString(*clientName == "Microsoft Outlook" ? "DLLPathEx" : "DLLPath");
    if (!path)
        return std::nullopt;
    return ExpandEnvironmentReferences(*path, EnvironmentVariable);
}

}  // namespace

std::int32_t MapiMailer::SendEntriesMail(const MailMessage& message)
{
    // The records point into these copies, which outlive the call.
    // Simple MAPI takes its texts in the ANSI code page.
    std::string subject = TextToNative(message.subject);
    std::string noteText = TextToNative(message.noteText);
    std::string recipientName = TextToNative(message.recipientName);
    std::string recipientAddress = "SMTP:" + TextToNative(message.recipientAddress);
    std::string dsvPath = message.dsvPath;
    std::string dsvName = TextToNative(message.dsvName);
    std::string pdfPath = message.pdfPath;
    std::string pdfName = TextToNative(message.pdfName);

    MapiRecipDesc recipient{0, kMapiTo, recipientName.data(), recipientAddress.data(), 0, nullptr};
    MapiFileDesc files[2] = {
        {0, 0, kNotPlaced, dsvPath.data(), dsvName.data(), nullptr},
        {0, 0, kNotPlaced, pdfPath.data(), pdfName.data(), nullptr},
    };
    const bool withFiles = !dsvPath.empty() && !dsvName.empty() && !pdfPath.empty() && !pdfName.empty();
    MapiMessage mapiMessage{0,
                            subject.data(),
                            noteText.data(),
                            nullptr,
                            nullptr,
                            nullptr,
                            0,
                            nullptr,
                            1,
                            &recipient,
                            withFiles ? 2u : 0u,
                            withFiles ? files : nullptr};

    std::int32_t result = kNoMailProgram;
    const std::optional<std::string> libraryPath = MailLibraryPath();
    if (!libraryPath)
        return result;
    const HMODULE library = ::LoadLibraryA(libraryPath->c_str());
    if (library == nullptr)
        return result;
    const auto sendMail =
        reinterpret_cast<MapiSendMailFunction>(reinterpret_cast<void*>(::GetProcAddress(library, "MAPISendMail")));
    if (sendMail != nullptr)
        result = static_cast<std::int32_t>(sendMail(0, 0, &mapiMessage, kMapiLogonUi | kMapiDialog, 0));
    ::FreeLibrary(library);
    return result;
}

Mailer& SystemMailer()
{
    static MapiMailer mailer;
    return mailer;
}

}  // namespace natarix
