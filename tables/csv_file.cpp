#include "tables/csv_file.h"

#include <QByteArray>

#include "platform/message_box.h"
#include "platform/print_targets.h"
#include "platform/save_location.h"

namespace crank {

void SaveCsvFile(const std::function<std::string(CsvDialect)>& csvFor, const CsvJob& job,
                 SaveFileChooser& chooser, MessageBox& messages)
{
    const QString path = chooser.chooseSavePath(job.suggestedPath);
    if (path.isEmpty()) {
        return;
    }
    RememberSaveFolder(path);
    const CsvDialect dialect = chooser.chosenType() == 1 ? CsvDialect::SemicolonDecimalComma
                                                         : CsvDialect::CommaDecimalPoint;
    const std::string bytes = kUtf8ByteOrderMark + csvFor(dialect);
    const QString reason = WriteWholeFile(path, QByteArray::fromStdString(bytes));
    if (!reason.isEmpty()) {
        messages.show(SaveFailedPrompt(job.what, path, reason), job.failedTitle);
    }
}

} // namespace crank
