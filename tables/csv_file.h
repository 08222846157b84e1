#pragma once

#include <QString>
#include <functional>
#include <string>

#include "tables/table_export.h"

namespace crank {

class MessageBox;
class SaveFileChooser;

// How a CSV file of the program begins: a UTF-8 byte-order mark, by which a
// spreadsheet on Windows knows the file's encoding and shows "mm²" and "cm³"
// as they are.
inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// What a CSV save is called: the prompt's subject when it fails ("The
// tables") and the failure's title.
struct CsvJob {
    QString suggestedPath;
    std::string what;
    std::string failedTitle;
};

// Asks where to save, starting at the job's suggested path, and writes the
// text that csvFor gives for the dialect chosen (type 1 of the chooser is
// semicolons and decimal commas) whole, with the byte-order mark first. A
// cancelled choice does nothing; a file that cannot be written is told
// through messages, naming it and why.
void SaveCsvFile(const std::function<std::string(CsvDialect)>& csvFor, const CsvJob& job,
                 SaveFileChooser& chooser, MessageBox& messages);

} // namespace crank
