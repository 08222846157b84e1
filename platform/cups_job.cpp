#include "platform/cups_job.h"

#include <QFile>
#include <cups/cups.h>

namespace crank {
namespace {

constexpr int kConnectTimeoutMs = 30000;

PrintOutcome serverFailure()
{
    std::string reason = cupsLastErrorString();
    if (reason.empty()) {
        reason = "The print server gave no reason.";
    }
    return {false, reason};
}

// Owns one connection to the print server.
class Connection {
public:
    Connection()
        : m_http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kConnectTimeoutMs, nullptr))
    {
    }
    ~Connection()
    {
        if (m_http != nullptr) {
            httpClose(m_http);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* get() const { return m_http; }

private:
    http_t* m_http;
};

} // namespace

PrintOutcome SubmitPdfToCups(const QString& queue, const QString& pdfPath, const QString& title)
{
    QFile pdf(pdfPath);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return {false, "The page could not be prepared for printing: " +
                           pdf.errorString().toStdString() + "."};
    }
    const Connection connection;
    if (connection.get() == nullptr) {
        return {false, "The print server " + std::string(cupsServer()) + " cannot be reached."};
    }
    http_t* http = connection.get();
    const QByteArray name = queue.toUtf8();
    const int job = cupsCreateJob(http, name.constData(), title.toUtf8().constData(), 0, nullptr);
    if (job <= 0) {
        return serverFailure();
    }

    bool sent = cupsStartDocument(http, name.constData(), job, "page.pdf", CUPS_FORMAT_PDF, 1) ==
                HTTP_STATUS_CONTINUE;
    if (sent) {
        while (sent && !pdf.atEnd()) {
            const QByteArray chunk = pdf.read(64 * 1024);
            sent = !chunk.isEmpty() &&
                   cupsWriteRequestData(http, chunk.constData(),
                                        static_cast<size_t>(chunk.size())) == HTTP_STATUS_CONTINUE;
        }
        // Finishing reads the server's answer, also to a document cut short.
        sent = cupsFinishDocument(http, name.constData()) <= IPP_STATUS_OK_CONFLICTING && sent;
    }
    if (sent) {
        return {};
    }
    const PrintOutcome failed = serverFailure();
    // A job left half-sent must not print later.
    cupsCancelJob2(http, name.constData(), job, 0);
    return failed;
}

} // namespace crank
