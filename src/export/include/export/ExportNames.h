#pragma once

#include <string>
#include <string_view>

#include "model/Club.h"
#include "model/MeetDefinition.h"

namespace natarix {

// A text made fit for a file name: spaces dropped, umlauts and "ß" spelled
// out, "/" and "\" replaced by "_" so that no name can lead into another
// folder. Everything else passes unchanged. UTF-8 in and out.
std::string ToFileNamePart(std::string_view text);

// "JJMMTT" from a date "TT.MM.JJJJ"; empty for a text of another length
// (in characters).
std::string ExportDatePart(std::string_view date);

// The names of the two export files, UTF-8.
struct ExportFileNames {
    std::string dsvName;
    std::string pdfName;
};

// Format 5 names them as it always has; the club entry lists of formats 7
// and 8 follow the DSV standard: "JJJJ-MM-TT-Ort-Verein-Me.DSV7" and the
// PDF under the same stem.
ExportFileNames MakeExportFileNames(const MeetDefinition& meet, const Club& club, int version = 5);

// A file name as the file system wants it (TextToNative).
std::string FileNameToNative(const std::string& name);

// The folder and the name joined with exactly one separator.
std::string JoinPath(const std::string& folder, const std::string& nativeName);

}  // namespace natarix
