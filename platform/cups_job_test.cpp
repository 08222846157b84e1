#include "platform/cups_job.h"

#include <QFile>
#include <QTemporaryDir>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace crank {
namespace {

// A print server that went away after the printer was chosen: the job is
// reported as not printed, with a reason a user can act on.
TEST(CupsJobTest, ServerThatIsGoneFailsWithItsAddress)
{
    QTemporaryDir dir;
    const QString pdfPath = dir.filePath(QStringLiteral("page.pdf"));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4\n%%EOF\n");
    pdf.close();
    const QByteArray socket = dir.filePath(QStringLiteral("cups.sock")).toUtf8();
    cupsSetServer(socket.constData());

    const PrintOutcome outcome =
        SubmitPdfToCups(QStringLiteral("A4"), pdfPath, QStringLiteral("t"));
    cupsSetServer(nullptr);

    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.reason.find("cannot be reached"), std::string::npos) << outcome.reason;
    EXPECT_NE(outcome.reason.find(socket.toStdString()), std::string::npos) << outcome.reason;
}

} // namespace
} // namespace crank
