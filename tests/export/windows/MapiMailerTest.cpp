// The Simple MAPI hand-over against a fake mail library. It registers the
// fake as the machine's default mail program, so it runs only inside the Wine
// prefix that scripts/windows-tests.sh prepares.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "codec/Cp1252.h"
#include "export/MapiMailer.h"

using namespace natarix;

namespace {

constexpr const char* kClientsKey = "SOFTWARE\\Clients\\Mail";

bool RunsUnderWine()
{
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string ProgramFolder()
{
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\'));
}

std::string FakeLibrary()
{
    return ProgramFolder() + "\\" NATARIX_FAKE_MAPI;
}

// Writes a string value under HKEY_LOCAL_MACHINE; nullptr names the default value.
void SetValue(const std::string& key, const char* name, const std::string& value, DWORD type = REG_SZ)
{
    HKEY handle = nullptr;
    ASSERT_EQ(
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr),
        ERROR_SUCCESS)
        << key;
    const LSTATUS status = ::RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                            static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(handle);
    ASSERT_EQ(status, ERROR_SUCCESS) << key;
}

// A mail program's registration as its installer leaves it.
void Register(const std::string& program, const char* valueName, const std::string& libraryPath, DWORD type = REG_SZ)
{
    SetValue(kClientsKey, nullptr, program);
    SetValue(std::string(kClientsKey) + "\\" + program, valueName, libraryPath, type);
}

MailMessage EntriesMessage()
{
    return {
        std::string("Meldungen für Frühjahrsschwimmen von SV Möwe 05"),
        "",
        "C:\\Meldungen\\060312-BadMusterau-Me-SVMoewe05.DSV",
        "060312-BadMusterau-Me-SVMoewe05.DSV",
        "C:\\Meldungen\\060312-BadMusterau-Meldungen-SVMoewe05.PDF",
        "060312-BadMusterau-Meldungen-SVMoewe05.PDF",
        "meldung@example.org",
        std::string("Meldestelle Süd"),
    };
}

class MapiMailerTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunsUnderWine())
            GTEST_SKIP() << "rewrites the machine's mail program registration, so it runs only in a Wine prefix";
        recordPath_ = ProgramFolder() + "\\fake-mapi-record.txt";
        ::DeleteFileA(recordPath_.c_str());
        ::SetEnvironmentVariableA("NATARIX_FAKE_MAPI_RECORD", recordPath_.c_str());
        ::SetEnvironmentVariableA("NATARIX_FAKE_MAPI_RESULT", nullptr);
        ::SetEnvironmentVariableA("NATARIX_FAKE_MAPI_DIR", ProgramFolder().c_str());
        ::SetEnvironmentVariableA("NATARIX_NOT_SET", nullptr);
        ASSERT_NO_FATAL_FAILURE(ForgetRegistration());
    }

    static void ForgetRegistration()
    {
        const LSTATUS status = ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kClientsKey);
        ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
    }

    // What the fake received, or "" when it was not called.
    std::string Received() const
    {
        std::ifstream file(recordPath_, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // The received value of `name`, the first when it occurs more than once.
    std::string ReceivedValue(const std::string& name) const
    {
        const std::string record = "\n" + Received();
        const std::size_t start = record.find("\n" + name + "=");
        if (start == std::string::npos)
            return "(not received)";
        const std::size_t value = start + name.size() + 2;
        return record.substr(value, record.find('\n', value) - value);
    }

    void ForgetReceived() const { ::DeleteFileA(recordPath_.c_str()); }

    std::string recordPath_;
};

TEST_F(MapiMailerTest, HandsRecipientSubjectAndBothFilesToTheRegisteredLibrary)
{
    Register("Fake Mail", "DLLPath", FakeLibrary());
    EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), 0);
    // The library receives the texts in the ANSI code page (Windows-1252 here).
    EXPECT_EQ(Received(), Utf8ToCp1252(R"(session=0
uiParam=0
flags=9
reserved=0
message.reserved=0
subject=Meldungen für Frühjahrsschwimmen von SV Möwe 05
note=
messageType=(none)
dateReceived=(none)
conversationId=(none)
message.flags=0
originator=(none)
recipients=1
recipient.reserved=0
recipient.class=1
recipient.name=Meldestelle Süd
recipient.address=SMTP:meldung@example.org
recipient.entryIdSize=0
recipient.entryId=(none)
files=2
file.reserved=0
file.flags=0
file.position=4294967295
file.path=C:\Meldungen\060312-BadMusterau-Me-SVMoewe05.DSV
file.name=060312-BadMusterau-Me-SVMoewe05.DSV
file.type=(none)
file.reserved=0
file.flags=0
file.position=4294967295
file.path=C:\Meldungen\060312-BadMusterau-Meldungen-SVMoewe05.PDF
file.name=060312-BadMusterau-Meldungen-SVMoewe05.PDF
file.type=(none)
)"));
}

TEST_F(MapiMailerTest, PassesBackWhatMapiSendMailReturns)
{
    Register("Fake Mail", "DLLPath", FakeLibrary());
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1", 1},    // the user cancelled
        {"11", 11},  // an attachment was not found
        {"4294967294", -2},
    };
    for (const auto& [returned, result] : cases) {
        ::SetEnvironmentVariableA("NATARIX_FAKE_MAPI_RESULT", returned);
        EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), result) << returned;
    }
}

TEST_F(MapiMailerTest, OneEmptyFileTextSendsNoAttachmentsAtAll)
{
    Register("Fake Mail", "DLLPath", FakeLibrary());
    const std::pair<const char*, std::string MailMessage::*> cases[] = {
        {"DSV path", &MailMessage::dsvPath},
        {"DSV name", &MailMessage::dsvName},
        {"PDF path", &MailMessage::pdfPath},
        {"PDF name", &MailMessage::pdfName},
    };
    for (const auto& [what, text] : cases) {
        MailMessage message = EntriesMessage();
        message.*text = "";
        ForgetReceived();
        EXPECT_EQ(MapiMailer().SendEntriesMail(message), 0) << what;
        EXPECT_EQ(ReceivedValue("files"), "0") << what;
        EXPECT_EQ(Received().find("file."), std::string::npos) << what;
        EXPECT_EQ(ReceivedValue("recipient.address"), "SMTP:meldung@example.org") << what;
    }
}

TEST_F(MapiMailerTest, RecipientAddressStartsWithSmtpAlsoWhenEmpty)
{
    Register("Fake Mail", "DLLPath", FakeLibrary());
    MailMessage message = EntriesMessage();
    message.recipientAddress = "";
    message.recipientName = "";
    message.subject = "";
    EXPECT_EQ(MapiMailer().SendEntriesMail(message), 0);
    EXPECT_EQ(ReceivedValue("recipient.address"), "SMTP:");
    EXPECT_EQ(ReceivedValue("recipient.name"), "");
    EXPECT_EQ(ReceivedValue("subject"), "");
    EXPECT_EQ(ReceivedValue("recipients"), "1");
}

TEST_F(MapiMailerTest, MicrosoftOutlookIsFoundThroughDllPathEx)
{
    const std::string missing = ProgramFolder() + "\\missing-mapi.dll";
    struct Case {
        std::string program;
        std::string dllPath;    // not written when empty
        std::string dllPathEx;  // not written when empty
        bool reached;
    };
    const Case cases[] = {
        {"Microsoft Outlook", missing, FakeLibrary(), true},
        {"Microsoft Outlook", FakeLibrary(), "", false},
        // The name must match exactly, case included.
        {"microsoft outlook", FakeLibrary(), missing, true},
        {"microsoft outlook", "", FakeLibrary(), false},
        {"Microsoft Outlook Express", FakeLibrary(), missing, true},
    };
    for (const Case& c : cases) {
        ForgetRegistration();
        SetValue(kClientsKey, nullptr, c.program);
        const std::string programKey = std::string(kClientsKey) + "\\" + c.program;
        if (!c.dllPath.empty())
            SetValue(programKey, "DLLPath", c.dllPath);
        if (!c.dllPathEx.empty())
            SetValue(programKey, "DLLPathEx", c.dllPathEx);
        ForgetReceived();
        EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), c.reached ? 0 : Mailer::kNoMailProgram) << c.program;
        EXPECT_EQ(ReceivedValue("flags"), c.reached ? "9" : "(not received)") << c.program;
    }
}

TEST_F(MapiMailerTest, EnvironmentReferencesInTheLibraryPathAreExpanded)
{
    const std::string name = NATARIX_FAKE_MAPI;
    const std::pair<std::string, bool> cases[] = {
        {"%NATARIX_FAKE_MAPI_DIR%\\" + name, true},
        {"%NATARIX_NOT_SET%" + FakeLibrary(), true},
        // A reference still open at the end is dropped.
        {FakeLibrary() + "%NATARIX_FAKE_MAPI_DIR", true},
        {"%NATARIX_NOT_SET%", false},
    };
    for (const auto& [path, reached] : cases) {
        // Installers write such paths as expandable strings, which the
        // registry hands out unexpanded.
        Register("Fake Mail", "DLLPath", path, REG_EXPAND_SZ);
        ForgetReceived();
        EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), reached ? 0 : Mailer::kNoMailProgram) << path;
        EXPECT_EQ(ReceivedValue("flags"), reached ? "9" : "(not received)") << path;
    }
}

TEST_F(MapiMailerTest, OnlyStringValuesNameTheLibrary)
{
    const std::pair<DWORD, bool> cases[] = {{REG_SZ, true}, {REG_BINARY, false}, {REG_MULTI_SZ, false}};
    for (const auto& [type, reached] : cases) {
        Register("Fake Mail", "DLLPath", FakeLibrary(), type);
        ForgetReceived();
        EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), reached ? 0 : Mailer::kNoMailProgram) << type;
        EXPECT_EQ(ReceivedValue("flags"), reached ? "9" : "(not received)") << type;
    }
}

TEST(ExpandEnvironmentReferences, ReplacesEachReferenceByItsValue)
{
    const std::map<std::string, std::string> environment = {{"ROOT", "C:\\Windows"}, {"EMPTY", ""}, {"A", "a"}};
    const auto variable = [&](const std::string& name) {
        const auto it = environment.find(name);
        return it == environment.end() ? std::string() : it->second;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"%ROOT%\\system32\\mapi32.dll", "C:\\Windows\\system32\\mapi32.dll"},
        {"C:\\Mail\\mapi.dll", "C:\\Mail\\mapi.dll"},
        {"%A%%A%", "aa"},
        {"x%EMPTY%y", "xy"},
        {"x%UNSET%y", "xy"},
        {"%%x", "x"},
        {"x%A", "x"},
        {"x%", "x"},
        {"%A%%A", "a"},
        {"", ""},
    };
    for (const auto& [text, expanded] : cases)
        EXPECT_EQ(ExpandEnvironmentReferences(text, variable), expanded) << text;
}

TEST_F(MapiMailerTest, WithoutAReachableLibraryTheResultIsMinusOne)
{
    const std::string programKey = std::string(kClientsKey) + "\\Fake Mail";
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"no mail programs key", [] {}},
        {"no default program", [&] { SetValue(programKey, "DLLPath", FakeLibrary()); }},
        {"no key of the default program", [] { SetValue(kClientsKey, nullptr, "Fake Mail"); }},
        {"no DLLPath", [] { Register("Fake Mail", "DLLPathEx", FakeLibrary()); }},
        {"a library that does not exist", [] { Register("Fake Mail", "DLLPath", ProgramFolder() + "\\missing.dll"); }},
        {"a library without MAPISendMail", [] { Register("Fake Mail", "DLLPath", "kernel32.dll"); }},
    };
    for (const auto& [what, setUp] : cases) {
        ForgetRegistration();
        setUp();
        EXPECT_EQ(MapiMailer().SendEntriesMail(EntriesMessage()), Mailer::kNoMailProgram) << what;
        EXPECT_EQ(Received(), "") << what;
    }
}

}  // namespace
