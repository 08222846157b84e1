#include "platform/cups_job.h"

#include <QFile>
#include <QLibrary>
#include <cups/cups.h>
#include <optional>

namespace crank {
namespace {

// The CUPS library is loaded when the first page goes to a printer, not with
// the program: linking it would load it and the libraries it needs (TLS,
// Kerberos, service discovery) at every start.
#define CRANK_CUPS_FUNCTIONS(X)                                                                    \
    X(cupsAddOption)                                                                               \
    X(cupsCancelJob2)                                                                              \
    X(cupsCreateJob)                                                                               \
    X(cupsDoRequest)                                                                               \
    X(cupsEncryption)                                                                              \
    X(cupsFinishDocument)                                                                          \
    X(cupsFreeOptions)                                                                             \
    X(cupsLastErrorString)                                                                         \
    X(cupsServer)                                                                                  \
    X(cupsStartDocument)                                                                           \
    X(cupsWriteRequestData)                                                                        \
    X(httpAssembleURIf)                                                                            \
    X(httpClose)                                                                                   \
    X(httpConnect2)                                                                                \
    X(ippAddString)                                                                                \
    X(ippDelete)                                                                                   \
    X(ippFindAttribute)                                                                            \
    X(ippGetString)                                                                                \
    X(ippNewRequest)                                                                               \
    X(ippPort)

struct CupsApi {
#define CRANK_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    CRANK_CUPS_FUNCTIONS(CRANK_CUPS_MEMBER)
#undef CRANK_CUPS_MEMBER
};

// The library's functions, or nothing when it cannot be loaded.
const CupsApi* loadCups()
{
    static const std::optional<CupsApi> api = []() -> std::optional<CupsApi> {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load()) {
            return std::nullopt;
        }
        CupsApi found;
        bool complete = true;
#define CRANK_CUPS_RESOLVE(name)                                                                   \
    found.name = reinterpret_cast<decltype(&::name)>(library.resolve(#name));                      \
    complete = complete && found.name != nullptr;
        CRANK_CUPS_FUNCTIONS(CRANK_CUPS_RESOLVE)
#undef CRANK_CUPS_RESOLVE
        return complete ? std::optional<CupsApi>(found) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

// The loaded library; SubmitPdfToCups makes sure that there is one.
const CupsApi& cups()
{
    return *loadCups();
}

constexpr int kConnectTimeoutMs = 30000;

// What the queue's operator or the printer last said about its state, as
// cupsreject -r sets it; empty when nothing was said.
std::string printerStateMessage(http_t* http, const char* queue)
{
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                            cups().ippPort(), "/printers/%s", queue);
    ipp_t* request = cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                        nullptr, "printer-state-message");
    ipp_t* response = cups().cupsDoRequest(http, request, "/");
    const char* text = cups().ippGetString(
        cups().ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT), 0, nullptr);
    std::string message = text != nullptr ? text : "";
    cups().ippDelete(response);
    return message;
}

// The server's answer to the last request, with the printer's own state
// message where it has one (a queue stopped or rejecting jobs, for instance
// "Out of paper").
PrintOutcome serverFailure(http_t* http, const char* queue)
{
    std::string reason = cups().cupsLastErrorString();
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
        : m_http(cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                     cups().cupsEncryption(), 1, kConnectTimeoutMs, nullptr))
    {
    }
    ~Connection()
    {
        if (m_http != nullptr) {
            cups().httpClose(m_http);
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
    if (loadCups() == nullptr) {
        return {false, "The printing system's library (libcups) could not be loaded."};
    }
    QFile pdf(pdfPath);
    if (!pdf.open(QIODevice::ReadOnly)) {
        return {false, "The page could not be prepared for printing: " +
                           pdf.errorString().toStdString() + "."};
    }
    const Connection connection;
    if (connection.get() == nullptr) {
        return {false,
                "The print server " + std::string(cups().cupsServer()) + " cannot be reached."};
    }
    http_t* http = connection.get();
    // A printer instance ("queue/instance") prints on its queue.
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toUtf8();
    // Every page is drawn on the queue's own paper at its true size (a degree
    // wheel must measure what it says): the job asks that nothing scale it to fit.
    cups_option_t* options = nullptr;
    int optionCount = cups().cupsAddOption("print-scaling", "none", 0, &options);
    optionCount = cups().cupsAddOption("fit-to-page", "false", optionCount, &options);
    const int job = cups().cupsCreateJob(http, name.constData(), title.toUtf8().constData(),
                                         optionCount, options);
    cups().cupsFreeOptions(optionCount, options);
    if (job <= 0) {
        return serverFailure(http, name.constData());
    }

    bool sent = cups().cupsStartDocument(http, name.constData(), job, "page.pdf", CUPS_FORMAT_PDF,
                                         1) == HTTP_STATUS_CONTINUE;
    if (sent) {
        while (sent && !pdf.atEnd()) {
            const QByteArray chunk = pdf.read(64 * 1024);
            sent = !chunk.isEmpty() &&
                   cups().cupsWriteRequestData(http, chunk.constData(),
                                               static_cast<size_t>(chunk.size())) ==
                       HTTP_STATUS_CONTINUE;
        }
        // Finishing reads the server's answer, also to a document cut short.
        sent =
            cups().cupsFinishDocument(http, name.constData()) <= IPP_STATUS_OK_CONFLICTING && sent;
    }
    if (sent) {
        return {};
    }
    const PrintOutcome failed = serverFailure(http, name.constData());
    // A job left half-sent must not print later.
    cups().cupsCancelJob2(http, name.constData(), job, 0);
    return failed;
}

} // namespace crank
