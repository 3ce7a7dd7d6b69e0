#include "ZipArchive.h"

#include <zip.h>

#include <memory>
#include <vector>

#include "Limits.h"

namespace natarix::dsv678 {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

Unpacked Failed(std::string text)
{
    return {{}, std::move(text)};
}

Unpacked TooLarge()
{
    return Failed("Die DSV-Datei im ZIP-Archiv ist größer als " + std::string(kLargestListText) +
                  "; so groß ist keine Wettkampfdefinitionsliste.");
}

}  // namespace

Unpacked UnpackSingleFile(std::string_view bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    std::unique_ptr<zip_t, ArchiveCloser> archive(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    zip_error_fini(&error);
    if (!archive) {
        if (source != nullptr)
            zip_source_free(source);
        return Failed("Die Datei ist ein beschädigtes ZIP-Archiv und lässt sich nicht öffnen.");
    }

    // Folders inside the archive are no files.
    std::vector<zip_uint64_t> files;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (name != nullptr && !std::string_view(name).ends_with('/'))
            files.push_back(static_cast<zip_uint64_t>(i));
    }
    if (files.size() != 1)
        return Failed("Das ZIP-Archiv enthält " +
                      (files.empty() ? std::string("keine Datei") : std::to_string(files.size()) + " Dateien") +
                      "; erwartet wird genau eine DSV-Datei.");

    // The size the archive declares is checked before anything is unpacked;
    // the loop below holds to the limit even when the declaration lies.
    zip_stat_t stat;
    if (zip_stat_index(archive.get(), files.front(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0 &&
        stat.size > kLargestListBytes)
        return TooLarge();
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive.get(), files.front(), 0));
    if (!file)
        return Failed("Die DSV-Datei im ZIP-Archiv lässt sich nicht auspacken (beschädigt oder verschlüsselt).");
    Unpacked unpacked;
    char buffer[64 * 1024];
    while (true) {
        const zip_int64_t read = zip_fread(file.get(), buffer, sizeof buffer);
        if (read < 0)
            return Failed("Die DSV-Datei im ZIP-Archiv lässt sich nicht auspacken (beschädigt oder verschlüsselt).");
        if (read == 0)
            return unpacked;
        if (unpacked.content.size() + static_cast<std::size_t>(read) > kLargestListBytes)
            return TooLarge();
        unpacked.content.append(buffer, static_cast<std::size_t>(read));
    }
}

}  // namespace natarix::dsv678
