#include "gui/ResultsImport.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <filesystem>
#include <memory>

#include "platform/FileOps.h"
#include "resultstore/ImportFiles.h"
#include "resultstore/ResultStore.h"

namespace natarix {

namespace {

// Below this many files the reading is over before a dialog would show.
constexpr int kFilesForProgress = 3;

std::string Counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

Message ImportResultLists(ResultStore& store, const QStringList& files, QWidget* parent)
{
    std::unique_ptr<QProgressDialog> progress;
    if (files.size() >= kFilesForProgress) {
        progress =
            std::make_unique<QProgressDialog>(QStringLiteral("Ergebnislisten werden eingelesen ..."),
                                              QStringLiteral("Abbrechen"), 0, static_cast<int>(files.size()), parent);
        progress->setObjectName(QStringLiteral("importProgress"));
        progress->setWindowTitle(QStringLiteral("Ergebnislisten einlesen"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
    }
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(FromFsPath(std::filesystem::path(QFileInfo(file).absoluteFilePath().toStdU16String())));
    const auto done = ImportResultListFiles(store, paths, [&](std::size_t next) {
        if (!progress)
            return true;
        progress->setValue(static_cast<int>(next));
        progress->setLabelText(QStringLiteral("Ergebnislisten werden eingelesen ...\n") +
                               QFileInfo(files[static_cast<qsizetype>(next)]).fileName());
        return !progress->wasCanceled();
    });
    if (!done.ok())
        return done.failure();
    const ResultStore::Imported& total = done.value().total;
    std::string lines;
    std::string notes;
    std::size_t read = 0;
    for (const ListImport& file : done.value().lists) {
        const std::string name = FileNameForMessage(file.path);
        for (const Message& warning : file.warnings)
            notes += name + ": " + warning.ShownText() + "\n";
        ++read;
        if (file.failure)
            lines += name + ": nicht eingelesen – " + file.failure->ShownText() + "\n";
        else
            lines += name + ": " + Counted(file.imported.added, "Ergebnis", "Ergebnisse") + " neu, " +
                     std::to_string(file.imported.known) + " schon vorhanden\n";
    }
    const bool stopped = read < static_cast<std::size_t>(files.size());
    std::string text = Counted(total.added, "neues Ergebnis", "neue Ergebnisse") + " aus " +
                       Counted(read, "Ergebnisliste", "Ergebnislisten") + ", " + std::to_string(total.known) +
                       " waren schon in der Datenbank" + (stopped ? "; abgebrochen." : ".") + "\n\n" + lines;
    if (!notes.empty())
        text += "\nHinweise:\n" + notes;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return Message::Captioned(std::move(text), "Ergebnislisten eingelesen");
}

}  // namespace natarix
