#pragma once
// The About window: the game's title, version and a short description, and a
// button that starts the desktop's system information tool. It is created
// anew each time it is opened and destroyed when it closes.

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform { class Platform; }
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(platform::Platform &platform, QWidget *parent = nullptr);

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

#ifdef Q_OS_WIN
    static bool GetKeyValue(HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                            QString &KeyVal);
#endif

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

    static const QString Unavailable;

signals:
    // The window is closing (by OK, Escape or its title bar) and will be
    // destroyed: the menu shows itself again.
    void closed();

public slots:
    // Escape and the title bar's close box lead here; they act as OK.
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();

    platform::Platform &platform_;
    bool closing_ = false;
};

namespace sysinfo {

// The desktop system information tools looked for on PATH, best first.
const QStringList &tools();

// The text of a registry string value read into `buffer` with `size` bytes:
// a terminating zero, if stored, is dropped.
QByteArray registryText(const QByteArray &buffer, int size);

} // namespace sysinfo
