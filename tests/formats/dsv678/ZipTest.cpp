#include <gtest/gtest.h>
#include <zip.h>

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
        EXPECT_GE(zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0);
    }
    EXPECT_EQ(zip_close(archive), 0);
    return natarix::test::ReadBytes(path);
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
