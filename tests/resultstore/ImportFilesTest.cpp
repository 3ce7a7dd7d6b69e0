#include <gtest/gtest.h>

#include <filesystem>

#include "resultstore/ImportFiles.h"

namespace natarix {
namespace {

const std::string kDir = std::string(NATARIX_DSV_CORPUS) + "/schroeer-dsv__user-emsland-25";

// Files are taken in order however they are read ahead: a list read twice
// counts as new the first time only, a file that cannot be read is passed
// over, and the import stops where it is told to.
TEST(ImportResultListFiles, TakesTheFilesInOrderAndStopsWhenTold)
{
    const std::filesystem::path db = std::filesystem::temp_directory_path() / "natarix-import-files.sqlite";
    std::filesystem::remove(db);
    auto store = std::move(ResultStore::Open(db.string())).value();
    const std::vector<std::string> paths = {kDir + "kurzer.dsv7", kDir + "missing.dsv7", kDir + "sprier.dsv7",
                                            kDir + "kurzer.dsv7", kDir + "langer.dsv7",  kDir + "langer.dsv7"};
    std::vector<std::size_t> asked;
    const auto done = ImportResultListFiles(*store, paths, [&](std::size_t next) {
        asked.push_back(next);
        return next < 5;
    });
    ASSERT_TRUE(done.ok()) << done.failure().text;
    EXPECT_EQ(asked, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    const std::vector<ListImport>& lists = done.value().lists;
    ASSERT_EQ(lists.size(), 5u);
    for (std::size_t index = 0; index < lists.size(); ++index)
        EXPECT_EQ(lists[index].path, paths[index]);
    EXPECT_EQ(lists[0].imported.added, 518u);
    EXPECT_TRUE(lists[1].failure);
    EXPECT_EQ(lists[2].imported.added, 508u);
    EXPECT_EQ(lists[3].imported.added, 0u);
    EXPECT_EQ(lists[3].imported.known, 518u);
    EXPECT_GT(lists[4].imported.added, 0u);
    EXPECT_EQ(done.value().total.added, store->ResultCount());
    store.reset();
    std::filesystem::remove(db);
}

}  // namespace
}  // namespace natarix
