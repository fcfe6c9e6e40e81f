#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>

#include <cstdlib>

namespace platform {

double QtPlatform::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtPlatform::pause(double seconds)
{
    // A monotonic clock, so that a pause across midnight (or a clock change)
    // still ends after its duration. The nested loop sleeps until the timer
    // wakes it; no CPU is used while waiting.
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 total = qint64(seconds * 1000.0 + 0.5);
    while (elapsed.elapsed() < total) {
        QEventLoop loop;
        QTimer::singleShot(int(total - elapsed.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

void QtPlatform::seedRandom()
{
    const auto now = std::uint32_t(QTime::currentTime().msecsSinceStartOfDay());
    std::seed_seq seq{now, std::uint32_t(QDateTime::currentMSecsSinceEpoch() >> 32)};
    generator_.seed(seq);
}

float QtPlatform::nextRandom() { return unitFloat(std::uint32_t(generator_())); }

Answer QtPlatform::messageBox(const QString &text, Buttons buttons, Icon icon,
                              const QString &title, Answer defaultAnswer)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? Platform::title() : title);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == Buttons::YesNo)
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString QtPlatform::inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText)
{
    // A prompt may break its lines with a bare carriage return; the dialog's
    // label breaks lines only at line feeds.
    QString shown = prompt;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar(u'\r'), QChar(u'\n'));
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), title, shown,
                                         QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

void QtPlatform::endProcess() { std::_Exit(0); }

bool QtPlatform::openFile(const QString &name, QByteArray &content, QString &error)
{
    content.clear();
    QFile file(name);
    if (QFileInfo(name).isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    // Opening for writing creates a missing file. A file that exists but may
    // not be written (or lies in a folder that takes no new files) is still read.
    if (!file.open(QIODevice::ReadWrite)) {
        error = file.errorString();
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            return false;
    }
    content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        content.clear();
        return false;
    }
    return true;
}

bool QtPlatform::patchFile(const QString &name, qint64 offset, const QByteArray &bytes,
                           QString &error)
{
    if (QFileInfo(name).isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    QByteArray content;
    {
        QFile old(name);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly)) {
                error = old.errorString();
                return false;
            }
            content = old.readAll();
            if (old.error() != QFileDevice::NoError) {
                error = old.errorString();
                return false;
            }
        }
    }
    QSaveFile file(name);
    // Where the folder takes no new files but the file itself is writable, the
    // file is written in place rather than not at all.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray whole = patched(content, offset, bytes);
    if (file.write(whole) != whole.size() || !file.commit()) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

namespace {
class FileLock final : public Lock {
public:
    explicit FileLock(const QString &path) : lock_(path) { lock_.tryLock(5000); }

private:
    QLockFile lock_;
};
} // namespace

std::unique_ptr<Lock> QtPlatform::lockTable()
{
    return std::make_unique<FileLock>(QStringLiteral("hiscores.lock"));
}

bool QtPlatform::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString QtPlatform::findExecutable(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

} // namespace platform
