#include <gtest/gtest.h>
#include <zip.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ReaderTestSupport.h"
#include "TestFiles.h"
#include "TestTexts.h"
#include "dsv678/DefinitionListReader.h"

namespace natarix::dsv678 {
namespace {

// A ZIP archive as a .DSV8z producer writes it, with these entries (a name
// ending in "/" is a folder).
std::string Archive(const std::vector<std::pair<std::string, std::string>>& entries)
{
    natarix::test::TempDir folder;
    const std::string path = folder.Path("Liste.DSV8z");
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    EXPECT_NE(archive, nullptr);
    for (const auto& [name, content] : entries) {
        if (name.ends_with('/')) {
            EXPECT_GE(zip_dir_add(archive, name.c_str(), ZIP_FL_ENC_UTF_8), 0);
            continue;
        }
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        EXPECT_GE(index, 0);
        // The fastest deflate, for the large files.
        EXPECT_EQ(zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1), 0);
    }
    EXPECT_EQ(zip_close(archive), 0);
    return natarix::test::ReadBytes(path);
}

// The archive of one file with its unpacked size declared as `size`, in the
// local header and in the central directory, whatever the file holds.
std::string DeclaringSize(std::string archive, std::uint32_t size)
{
    const auto write = [&archive, size](std::size_t at) {
        for (std::size_t i = 0; i < 4; ++i)
            archive[at + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    };
    write(22);
    const std::size_t central = archive.find("PK\x01\x02");
    EXPECT_NE(central, std::string::npos);
    write(central + 24);
    return archive;
}

TEST(Dsv678Zip, OpensTheOneDsvFileOfAnArchive)
{
    const std::string list = natarix::test::Replaced(test::MinimalDefinitionList(), "liste;7;", "liste;8;");
    const std::string archive = Archive({{"2025-03-09-Muster-Wk.DSV8", list}});
    ASSERT_TRUE(LooksLikeZipArchive(archive));
    ASSERT_TRUE(ReadsZipArchives());
    const ReadResult result = ReadDefinitionList(archive);
    ASSERT_TRUE(result.document) << result.failure->ShownText();
    EXPECT_EQ(result.document->version, 8);
    EXPECT_EQ(result.document->All("WETTKAMPF").size(), 2u);
    EXPECT_EQ(result.document->First("WETTKAMPF")->line, 12u);
}

TEST(Dsv678Zip, RefusesArchivesThatHoldNotExactlyOneFile)
{
    const std::string list = test::MinimalDefinitionList();
    const std::string resultList = natarix::test::Replaced(list, "Wettkampfdefinitionsliste", "Wettkampfergebnisliste");
    const std::string twoFiles = Archive({{"a.DSV8", list}, {"b.DSV8", list}});
    struct Case {
        std::string what;
        std::string bytes;
        std::string failure;
    };
    const Case cases[] = {
        {"a folder beside the file", Archive({{"Listen/", ""}, {"Listen/a.DSV8", list}}), "(read)"},
        {"two files", twoFiles, "Das ZIP-Archiv enthält 2 Dateien; erwartet wird genau eine DSV-Datei."},
        {"only a folder", Archive({{"Listen/", ""}}),
         "Das ZIP-Archiv enthält keine Datei; erwartet wird genau eine DSV-Datei."},
        {"a result list inside", Archive({{"a.DSV8", resultList}}),
         "Diese Datei ist eine Wettkampfergebnisliste, keine Wettkampfdefinitionsliste."},
        {"cut short", twoFiles.substr(0, twoFiles.size() - 30),
         "Die Datei ist ein beschädigtes ZIP-Archiv und lässt sich nicht öffnen."},
        {"only the magic", std::string("PK\x03\x04", 4),
         "Die Datei ist ein beschädigtes ZIP-Archiv und lässt sich nicht öffnen."},
        {"no entry at all", std::string("PK\x05\x06", 4) + std::string(18, '\0'),
         "Das ZIP-Archiv enthält keine Datei; erwartet wird genau eine DSV-Datei."},
    };
    for (const Case& c : cases) {
        const ReadResult result = ReadDefinitionList(c.bytes);
        EXPECT_EQ(result.failure ? result.failure->ShownText() : "(read)", c.failure) << c.what;
    }
}

// Refused before anything is unpacked when the archive says so, and at 64 MB
// of unpacked bytes when it says less.
TEST(Dsv678Zip, RefusesAFileAbove64Megabytes)
{
    const std::string limit =
        "Die DSV-Datei im ZIP-Archiv ist größer als 64 MB; so groß ist keine "
        "Wettkampfdefinitionsliste.";
    const std::string list = test::MinimalDefinitionList();
    std::string large = list;
    large.resize(64 * 1024 * 1024 + 1, ' ');
    const std::string packedLarge = Archive({{"a.DSV8", large}});
    large.clear();
    ASSERT_LT(packedLarge.size(), 1024u * 1024u);
    struct Case {
        std::string what;
        std::string bytes;
        std::string failure;
    };
    const Case cases[] = {
        {"declared and true", packedLarge, limit},
        {"declared, the file small", DeclaringSize(Archive({{"a.DSV8", list}}), 64 * 1024 * 1024 + 1), limit},
        {"declared small, the file large", DeclaringSize(packedLarge, static_cast<std::uint32_t>(list.size())), limit},
    };
    for (const Case& c : cases) {
        const ReadResult result = ReadDefinitionList(c.bytes);
        EXPECT_EQ(result.failure ? result.failure->ShownText() : "(read)", c.failure) << c.what;
    }
}

TEST(Dsv678Zip, RefusesADamagedEntry)
{
    std::string archive = Archive({{"a.DSV8", test::MinimalDefinitionList()}});
    // The stored bytes after the local header (30 bytes and the name): a
    // changed byte fails the checksum.
    archive[30 + 6 + 5] ^= 0x55;
    const ReadResult result = ReadDefinitionList(archive);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->ShownText(),
              "Die DSV-Datei im ZIP-Archiv lässt sich nicht auspacken (beschädigt oder verschlüsselt).");
}

}  // namespace
}  // namespace natarix::dsv678
