#pragma once

#include <string>
#include <string_view>

#include "model/Competition.h"

namespace natarix {

// A text made fit for a file name: spaces dropped, umlauts and "ß" spelled
// out, "/" and "\" replaced by "_" so that no name can lead into another
// folder. Everything else passes unchanged. Windows-1252 in and out.
std::string ToFileNamePart(std::string_view text);

// "JJMMTT" from a date "TT.MM.JJJJ"; empty for a text of another length.
std::string ExportDatePart(std::string_view date);

// The names of the two export files, Windows-1252.
struct ExportFileNames {
    std::string dsvName;
    std::string pdfName;
};

ExportFileNames MakeExportFileNames(const Competition& competition);

// A Windows-1252 file name as the file system wants it (UTF-8 on Linux).
std::string FileNameToNative(const std::string& cp1252Name);

// The folder and the name joined with exactly one separator.
std::string JoinPath(const std::string& folder, const std::string& nativeName);

}  // namespace natarix
