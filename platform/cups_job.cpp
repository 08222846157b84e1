#include "platform/cups_job.h"

#include <QFile>
#include <cups/cups.h>

namespace crank {
namespace {

constexpr int kConnectTimeoutMs = 30000;

// What the queue's operator or the printer last said about its state, as
// cupsreject -r sets it; empty when nothing was said.
std::string printerStateMessage(http_t* http, const char* queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue);
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(http, request, "/");
    const char* text =
        ippGetString(ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT), 0, nullptr);
    std::string message = text != nullptr ? text : "";
    ippDelete(response);
    return message;
}

// The server's answer to the last request, with the printer's own state
// message where it has one (a queue stopped or rejecting jobs, for instance
// "Out of paper").
PrintOutcome serverFailure(http_t* http, const char* queue)
{
    std::string reason = cupsLastErrorString();
    if (reason.empty()) {
        reason = "The print server gave no reason.";
    }
    const std::string state = printerStateMessage(http, queue);
    if (!state.empty()) {
        reason += " The printer says: " + state;
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
    // A printer instance ("queue/instance") prints on its queue.
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    const int job = cupsCreateJob(http, name.constData(), title.toUtf8().constData(), 0, nullptr);
    if (job <= 0) {
        return serverFailure(http, name.constData());
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
    const PrintOutcome failed = serverFailure(http, name.constData());
    // A job left half-sent must not print later.
    cupsCancelJob2(http, name.constData(), job, 0);
    return failed;
}

} // namespace crank
