#include "gui/ResultsImport.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <filesystem>
#include <memory>

#include "formats/ResultList.h"
#include "platform/FileOps.h"
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
    if (auto failure = store.BeginBatch())
        return std::move(*failure);
    ResultStore::Imported total;
    std::string lines;
    std::string notes;
    int read = 0;
    for (const QString& file : files) {
        if (progress) {
            progress->setValue(read);
            progress->setLabelText(QStringLiteral("Ergebnislisten werden eingelesen ...\n") +
                                   QFileInfo(file).fileName());
            if (progress->wasCanceled())
                break;
        }
        const std::string name = QFileInfo(file).fileName().toStdString();
        auto list =
            ReadResultListFile(FromFsPath(std::filesystem::path(QFileInfo(file).absoluteFilePath().toStdU16String())));
        for (const Message& warning : list.warnings())
            notes += name + ": " + warning.ShownText() + "\n";
        if (!list.ok()) {
            lines += name + ": nicht eingelesen – " + list.failure().ShownText() + "\n";
            ++read;
            continue;
        }
        const auto imported = store.Import(list.value(), name);
        if (!imported.ok()) {
            lines += imported.failure().text + "\n";
            break;
        }
        lines += name + ": " + Counted(imported.value().added, "Ergebnis", "Ergebnisse") + " neu, " +
                 std::to_string(imported.value().known) + " schon vorhanden\n";
        total.added += imported.value().added;
        total.known += imported.value().known;
        ++read;
    }
    if (auto failure = store.FinishBatch())
        return std::move(*failure);
    const bool stopped = read < files.size();
    std::string text = Counted(total.added, "neues Ergebnis", "neue Ergebnisse") + " aus " +
                       Counted(static_cast<std::size_t>(read), "Ergebnisliste", "Ergebnislisten") + ", " +
                       std::to_string(total.known) + " waren schon in der Datenbank" +
                       (stopped ? "; abgebrochen." : ".") + "\n\n" + lines;
    if (!notes.empty())
        text += "\nHinweise:\n" + notes;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return Message::Captioned(std::move(text), "Ergebnislisten eingelesen");
}

}  // namespace natarix
