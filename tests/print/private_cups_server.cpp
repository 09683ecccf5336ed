#include "private_cups_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <csignal>
#include <cups/cups.h>
#include <sys/prctl.h>

namespace {

constexpr const char* printerName = "guheng-test";

// PDF goes through unchanged: the file device receives exactly what the program sent.
constexpr const char* passThroughPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "GUHENG.PPD"
*Manufacturer: "Guheng"
*Product: "(Guheng test printer)"
*ModelName: "Guheng test printer"
*ShortNickName: "Guheng test printer"
*NickName: "Guheng test printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

PrivateCupsServer::PrivateCupsServer(Queue queue) {
    if (!m_dir.isValid())
        m_failure = QStringLiteral("no temporary folder");
    else if (!writeConfiguration(queue))
        m_failure = QStringLiteral("cannot write the server's configuration in ") + m_dir.path();
    else if (start())
        cupsSetServer(m_dir.filePath(QStringLiteral("cups.sock")).toLocal8Bit().constData());
}

PrivateCupsServer::~PrivateCupsServer() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
    cupsSetServer(nullptr);
}

bool PrivateCupsServer::writeConfiguration(Queue queue) {
    const QDir root(m_dir.path());
    // The scheduler runs its filters as another user, who must reach the queue's files.
    constexpr auto readableByAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(m_dir.path(), readableByAll))
        return false;
    for (const char* folder : {"conf/ppd", "spool/tmp", "cache", "state", "log", "out"}) {
        if (!root.mkpath(QString::fromLatin1(folder)))
            return false;
    }
    const QByteArray path = m_dir.path().toLocal8Bit();
    const QByteArray cupsd = "Listen " + path +
                             "/cups.sock\n"
                             "LogLevel debug\n"
                             "Browsing No\n"
                             "WebInterface No\n"
                             "DefaultAuthType None\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    const QByteArray files = "ServerRoot " + path + "/conf\n" + "RequestRoot " + path + "/spool\n" +
                             "TempDir " + path + "/spool/tmp\n" + "CacheDir " + path + "/cache\n" +
                             "StateDir " + path + "/state\n" + "AccessLog " + path + "/log/access_log\n" +
                             "ErrorLog " + path + "/log/error_log\n" + "PageLog " + path + "/log/page_log\n" +
                             "Printcap " + path + "/state/printcap\n" +
                             "FileDevice Yes\n"; // the queue's device is a plain file
    QByteArray printers;
    if (queue != Queue::None) {
        const QByteArray accepting = queue == Queue::DefaultPrinter ? "Yes" : "No";
        printers = QByteArray("<DefaultPrinter ") + printerName + ">\n" + "Info Guheng test printer\n" +
                   "DeviceURI file://" + path + "/out/job.pdf\n" + "State Idle\nAccepting " + accepting +
                   "\nShared No\nErrorPolicy abort-job\n</DefaultPrinter>\n";
    }
    return writeFile(root.filePath(QStringLiteral("conf/cupsd.conf")), cupsd) &&
           writeFile(root.filePath(QStringLiteral("conf/cups-files.conf")), files) &&
           writeFile(root.filePath(QStringLiteral("conf/printers.conf")), printers) &&
           (queue == Queue::None ||
            writeFile(root.filePath(QStringLiteral("conf/ppd/%1.ppd").arg(QLatin1String(printerName))),
                      passThroughPpd));
}

bool PrivateCupsServer::start() {
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    // A test that dies on the way takes its server with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                  {QStringLiteral("-f"), QStringLiteral("-c"),
                   m_dir.filePath(QStringLiteral("conf/cupsd.conf")), QStringLiteral("-s"),
                   m_dir.filePath(QStringLiteral("conf/cups-files.conf"))});
    if (!m_cupsd.waitForStarted(5000)) {
        m_failure = QStringLiteral("cupsd does not start: ") + m_cupsd.errorString();
        return false;
    }
    // The scheduler is ready once its socket answers.
    const QByteArray socket = m_dir.filePath(QStringLiteral("cups.sock")).toLocal8Bit();
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_cupsd.state() == QProcess::NotRunning) {
            m_failure = QStringLiteral("cupsd stopped: ") + QString::fromLocal8Bit(m_cupsd.readAll());
            return false;
        }
        if (http_t* http = httpConnect2(socket.constData(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1,
                                        200, nullptr)) {
            httpClose(http);
            return true;
        }
        QThread::msleep(50);
    }
    m_failure = QStringLiteral("cupsd does not answer on ") + QString::fromLocal8Bit(socket);
    return false;
}

int PrivateCupsServer::waitForCompletedJobs(int expected) const {
    // A generous bound for a slow machine; a healthy job takes well under a second.
    const QDeadlineTimer deadline(30000);
    for (;;) {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs(&jobs, printerName, 0, CUPS_WHICHJOBS_COMPLETED);
        int completed = 0;
        bool failed = false;
        for (int i = 0; i < count; ++i) {
            completed += jobs[i].state == IPP_JSTATE_COMPLETED;
            failed |= jobs[i].state == IPP_JSTATE_ABORTED || jobs[i].state == IPP_JSTATE_CANCELED;
        }
        cupsFreeJobs(count < 0 ? 0 : count, jobs);
        if (completed >= expected || failed || deadline.hasExpired())
            return completed;
        QThread::msleep(50);
    }
}

std::string PrivateCupsServer::errorLog() const {
    QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : std::string();
}

void useNoPrintServer(const QTemporaryDir& dir) {
    cupsSetServer(dir.filePath(QStringLiteral("nobody.sock")).toLocal8Bit().constData());
}
