// A CUPS scheduler of the test's own: configuration, spool, logs and socket in a temporary folder,
// optionally with one default printer "guheng-test" that writes each job, as PDF, to outputFile(),
// or refuses every job.
// The machine's own print setup is never read or touched.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <string>

class PrivateCupsServer {
  public:
    enum class Queue { None, DefaultPrinter, RefusingPrinter };

    explicit PrivateCupsServer(Queue queue);
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Empty when the server runs and this process talks to it; otherwise why not.
    QString failure() const { return m_failure; }
    // The scheduler's own log, to show with a failure.
    std::string errorLog() const;
    QString outputFile() const { return m_dir.filePath(QStringLiteral("out/job.pdf")); }
    // Jobs the printer has finished, once `expected` of them have or a job failed or the wait ran out.
    int waitForCompletedJobs(int expected) const;

  private:
    bool writeConfiguration(Queue queue);
    bool start();

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_failure;
};

// Points this process's print client at a socket nobody listens on: no server, no printer.
void useNoPrintServer(const QTemporaryDir& dir);
