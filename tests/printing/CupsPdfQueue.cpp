#include "CupsPdfQueue.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

bool schedulerRunning()
{
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).output.contains(QLatin1String("is running"));
}

QString findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
}

// The folder cups-pdf writes to for jobs of this user.
QString outputFolder()
{
    QString folder = QStringLiteral("${HOME}/PDF");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly)) {
        const auto match =
            QRegularExpression(QStringLiteral("^Out\\s+(\\S+)"), QRegularExpression::MultilineOption)
                .match(QString::fromLocal8Bit(config.readAll()));
        if (match.hasMatch())
            folder = match.captured(1);
    }
    const QString home = getuid() == 0 ? QStringLiteral("/root") : QDir::homePath();
    return folder.replace(QLatin1String("${HOME}"), home)
        .replace(QLatin1String("${USER}"), qEnvironmentVariable("USER"));
}

} // namespace

QString CupsPdfQueue::setUp()
{
    if (findProgram(QStringLiteral("lpstat")).isEmpty() || findProgram(QStringLiteral("lpadmin")).isEmpty())
        return QStringLiteral("the print system is not installed (make deps installs cups)");
    if (!schedulerRunning()) {
        const QString daemon = findProgram(QStringLiteral("cupsd"));
        if (daemon.isEmpty() || getuid() != 0)
            return QStringLiteral("the print system is not running and cannot be started by this user");
        run(daemon, {});
        const QDeadlineTimer deadline(20000);
        while (!schedulerRunning() && !deadline.hasExpired())
            QThread::msleep(200);
        if (!schedulerRunning())
            return QStringLiteral("the print system did not start");
    }
    if (run(QStringLiteral("lpstat"), {QStringLiteral("-v"), name()}).exitCode != 0) {
        const Run added = run(findProgram(QStringLiteral("lpadmin")),
                              {QStringLiteral("-p"), name(), QStringLiteral("-E"), QStringLiteral("-v"),
                               QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                               QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")});
        if (added.exitCode != 0)
            return QStringLiteral("the PDF queue could not be added: ") + added.output;
    }
    setAccepting(true);
    m_outputFolder = outputFolder();
    return {};
}

bool CupsPdfQueue::setAccepting(bool accepting) const
{
    const QString program =
        findProgram(accepting ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"));
    const bool done = run(program, {name()}).exitCode == 0;
    if (accepting)
        run(findProgram(QStringLiteral("cupsenable")), {name()});
    return done;
}

QStringList CupsPdfQueue::pdfFiles() const
{
    QStringList files;
    for (const QFileInfo &file : QDir(m_outputFolder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files << file.absoluteFilePath();
    return files;
}

QString CupsPdfQueue::waitForPdf(const QStringList &before) const
{
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        const bool jobsPending =
            !run(QStringLiteral("lpstat"), {QStringLiteral("-o"), name()}).output.trimmed().isEmpty();
        if (!jobsPending)
            for (const QString &file : pdfFiles())
                if (!before.contains(file) && QFileInfo(file).size() > 0)
                    return file;
        QThread::msleep(250);
    }
    return {};
}
