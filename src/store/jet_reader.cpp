#include "jet_reader.h"

#include "error.h"
#include "jet_header.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace store {

namespace {

// Far more than reading the largest Access file takes; a reader that runs longer is stuck.
constexpr qint64 timeLimitMs = 30000;
constexpr qint64 timeLimitMsPerMiB = 1000;
// What the reader may write: no value it writes is more than a few times the bytes it takes
// in the file, so more output than this means it is going round in circles.
constexpr qint64 outputLimitBytes = 16 << 20;
constexpr qint64 outputLimitBytesPerFileByte = 16;
// The reader holds one record at a time; a reader that needs more memory than this is lost.
constexpr rlim_t memoryLimitBytes = rlim_t(512) << 20;

QString damaged(const QString &detail) {
    return QStringLiteral("It is damaged or unreadable: %1").arg(detail);
}

// Runs in the reader's process before it starts: it dies with Parlivo, leaves no core file,
// and cannot take more than its share of memory.
void limitReader() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
#ifndef __SANITIZE_ADDRESS__ // the address sanitizer reserves terabytes of address space
    const rlimit memory{memoryLimitBytes, memoryLimitBytes};
    ::setrlimit(RLIMIT_AS, &memory);
#endif
}

QString readerPath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(jetReaderName));
}

void startReader(QProcess &reader, const QString &path) {
    const QString program = readerPath();
    if (!QFileInfo(program).isExecutable()) {
        throw Error(QStringLiteral("Parlivo's reader of Access files, %1, is missing from its "
                                   "folder. Install Parlivo again, then start it once more.")
                        .arg(QDir::toNativeSeparators(program)));
    }
    reader.setProgram(program);
    reader.setArguments({path});
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.setStandardErrorFile(QProcess::nullDevice()); // the reading library's complaints
    reader.setChildProcessModifier(limitReader);
    reader.start();
    if (!reader.waitForStarted()) {
        throw Error(QStringLiteral("Parlivo's reader of Access files, %1, cannot be started: %2")
                        .arg(QDir::toNativeSeparators(program), reader.errorString()));
    }
}

[[noreturn]] void stopReader(QProcess &reader, const QString &detail) {
    reader.kill();
    reader.waitForFinished();
    throw Error(damaged(detail));
}

// Everything the reader writes until it ends. Throws Error, once the reader is stopped, when
// it runs past its time or writes more than a reading of the file can.
QByteArray readerOutput(QProcess &reader, qint64 fileSize) {
    const qint64 limitMs = timeLimitMs + timeLimitMsPerMiB * (fileSize >> 20);
    const QDeadlineTimer deadline(limitMs);
    const qint64 outputLimit = outputLimitBytes + outputLimitBytesPerFileByte * fileSize;
    QByteArray output;
    while (reader.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        reader.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        output += reader.readAllStandardOutput();
        if (output.size() > outputLimit) {
            stopReader(reader, QStringLiteral("reading it gives far more data than the file "
                                              "can hold."));
        }
    }
    output += reader.readAllStandardOutput(); // the last lines, read as it ended
    if (reader.state() != QProcess::NotRunning) {
        stopReader(reader,
                   QStringLiteral("reading it did not end within %1 seconds.").arg(limitMs / 1000));
    }
    return output;
}

} // namespace

QList<JetTable> readJetTables(const QString &path) {
    checkJetHeader(path);
    QProcess reader;
    startReader(reader, path);
    const QByteArray output = readerOutput(reader, QFileInfo(path).size());
    if (reader.exitStatus() != QProcess::NormalExit) {
        throw Error(damaged(QStringLiteral("Parlivo's reader of Access files broke down on it.")));
    }
    const std::optional<JetTransfer> transfer = parseJetTransfer(output);
    if (!transfer || reader.exitCode() != (transfer->problem.isEmpty() ? 0 : jetReaderRefused)) {
        throw Error(damaged(QStringLiteral("what Parlivo's reader of Access files made of it did "
                                           "not pass the checks.")));
    }
    if (!transfer->problem.isEmpty()) {
        throw Error(damaged(transfer->problem));
    }
    return transfer->tables;
}

} // namespace store
